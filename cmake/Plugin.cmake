# The plug-in in every format from one shared code target.
juce_add_plugin (Gatevox
    PRODUCT_NAME "Gatevox"
    COMPANY_NAME "Velmont"
    BUNDLE_ID "com.velmont.gatevox"
    PLUGIN_MANUFACTURER_CODE Velm
    PLUGIN_CODE Gtvx
    FORMATS VST VST3 LV2 Standalone
    VST2_CATEGORY kPlugCategEffect
    VST3_CATEGORIES Fx
    LV2URI "https://velmont.example/plugins/gatevox"
    IS_SYNTH FALSE
    NEEDS_MIDI_INPUT FALSE
    NEEDS_MIDI_OUTPUT FALSE
    IS_MIDI_EFFECT FALSE
    EDITOR_WANTS_KEYBOARD_FOCUS FALSE
    COPY_PLUGIN_AFTER_BUILD FALSE)

# The project version 0.0.100 makes JUCE's version code 100; VST2 hosts read it
# unchanged as both the plug-in's version and its vendor version.
target_compile_definitions (Gatevox PUBLIC
    JUCE_VST_RETURN_HEX_VERSION_NUMBER_DIRECTLY=1)

set (GATEVOX_PLUGIN_SOURCES
    "${PROJECT_SOURCE_DIR}/core/SkiptorAudioProcessor.cpp"
    "${PROJECT_SOURCE_DIR}/editor/PlaceholderEditor.cpp"
    "${PROJECT_SOURCE_DIR}/persistence/SharedFolder.cpp")
gatevox_add_own_sources (Gatevox ${GATEVOX_PLUGIN_SOURCES})

target_link_libraries (Gatevox
    PRIVATE
        gatevox_engine
        juce::juce_audio_utils
        gatevox_juce_options)

foreach (format VST VST3 LV2 Standalone)
    target_link_libraries (Gatevox_${format} PRIVATE gatevox_juce_options)
endforeach ()
