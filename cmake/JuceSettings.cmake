# How the JUCE parts of the project are compiled: Debian's JUCE without the
# codecs and web components it leaves out, and VST2 through the FST shim.
juce_set_vst2_sdk_path ("${PROJECT_SOURCE_DIR}/vst2_shim")

add_library (gatevox_juce_options INTERFACE)
target_compile_definitions (gatevox_juce_options INTERFACE
    JUCE_USE_FLAC=0
    JUCE_USE_OGGVORBIS=0
    JUCE_WEB_BROWSER=0
    JUCE_USE_CURL=0
    JUCE_DISPLAY_SPLASH_SCREEN=0
    JUCE_REPORT_APP_USAGE=0
    JUCE_VST3_CAN_REPLACE_VST2=0
    JUCE_FORCE_USE_LEGACY_PARAM_IDS=1
    JUCE_STRICT_REFCOUNTEDPOINTER=1
    JUCE_SILENCE_XCODE_15_LINKER_WARNING=1)
target_link_libraries (gatevox_juce_options INTERFACE
    juce::juce_recommended_config_flags)

# JUCE's headers count as system headers, so that their warnings stay out of
# the report on our own code.
target_include_directories (gatevox_juce_options SYSTEM INTERFACE "${JUCE_MODULES_DIR}")
