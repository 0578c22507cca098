# The plug-in's shared code: JUCE's modules and our JUCE-side sources,
# compiled once per build tree into the static library "Gatevox" that every
# plug-in format, the renderer and the JUCE-side test programs link.
set (GATEVOX_LV2_URI "https://velmont.example/plugins/gatevox")

juce_add_plugin (Gatevox
    PRODUCT_NAME "Gatevox"
    COMPANY_NAME "Velmont"
    BUNDLE_ID "com.velmont.gatevox"
    PLUGIN_MANUFACTURER_CODE Velm
    PLUGIN_CODE Gtvx
    FORMATS VST VST3 LV2 Standalone
    VST2_CATEGORY kPlugCategEffect
    VST3_CATEGORIES Fx
    LV2URI "${GATEVOX_LV2_URI}"
    IS_SYNTH FALSE
    NEEDS_MIDI_INPUT FALSE
    NEEDS_MIDI_OUTPUT FALSE
    IS_MIDI_EFFECT FALSE
    EDITOR_WANTS_KEYBOARD_FOCUS FALSE
    COPY_PLUGIN_AFTER_BUILD FALSE)

# The project version 0.0.100 makes JUCE's version code 100; VST2 hosts read it
# unchanged as both the plug-in's version and its vendor version.
# Debian's JUCE falls back to the product name as LV2 URI unless the URI is
# defined for every part of the plug-in, not only for the LV2 wrapper.
# The hosting classes are compiled in too, so that the tests which load the
# built formats link this same library; the VST3 wrapper must see that flag
# to share the VST3 SDK's definitions with them.
target_compile_definitions (Gatevox PUBLIC
    JUCE_VST_RETURN_HEX_VERSION_NUMBER_DIRECTLY=1
    JucePlugin_LV2URI="${GATEVOX_LV2_URI}"
    JUCE_PLUGINHOST_VST=1
    JUCE_PLUGINHOST_VST3=1
    JUCE_PLUGINHOST_LV2=1)
target_include_directories (Gatevox SYSTEM PUBLIC "${PROJECT_SOURCE_DIR}/vst2_shim")

gatevox_add_own_sources (Gatevox
    core/SkiptorAudioProcessor.cpp
    core/SkiptorParameter.cpp
    core/SkiptorRebuildWorker.cpp
    editor/ADSRPreview.cpp
    editor/ControlStyle.cpp
    editor/EnvelopeTab.cpp
    editor/Images.cpp
    editor/InstalledFeel.cpp
    editor/MainGUI.cpp
    editor/MainGUIActions.cpp
    editor/MainGUITick.cpp
    editor/PatternClipboard.cpp
    editor/PresetDialog.cpp
    editor/PresetShelf.cpp
    editor/SequencerButtons.cpp
    editor/SequencerLight.cpp
    editor/SequencerTick.cpp
    editor/SettingComponent.cpp
    editor/SettingEffect.cpp
    editor/SkiptorFeel.cpp
    editor/StepEditing.cpp
    editor/ValueText.cpp
    editor/WaveformPreview.cpp
    persistence/AttributeReader.cpp
    persistence/DocumentBuilder.cpp
    persistence/DocumentNumbers.cpp
    persistence/DocumentText.cpp
    persistence/DocumentVocabulary.cpp
    persistence/GlobalSettings.cpp
    persistence/GlobalSettingsFile.cpp
    persistence/HostStateDocument.cpp
    persistence/KernelDefaults.cpp
    persistence/KernelParameterDocument.cpp
    persistence/ModelRestore.cpp
    persistence/PresetDocument.cpp
    persistence/PresetFolder.cpp
    persistence/SharedFolder.cpp
    persistence/StateBlock.cpp)

include (cmake/Images.cmake)

target_link_libraries (Gatevox
    PUBLIC
        gatevox_engine
    PRIVATE
        juce::juce_audio_utils
        gatevox_images
        gatevox_juce_options)

# Hosts name a VST2 plug-in after its file: "Gatevox.so", not "libGatevox.so".
set_target_properties (Gatevox_VST PROPERTIES PREFIX "")

foreach (format VST VST3 LV2 Standalone)
    target_link_libraries (Gatevox_${format} PRIVATE gatevox_juce_options)
    # Optimises the engine, compiled for link-time optimisation, into each format.
    if (gatevox_ipo_supported)
        set_target_properties (Gatevox_${format} PROPERTIES INTERPROCEDURAL_OPTIMIZATION_RELEASE ON)
    endif ()
    if (NOT GATEVOX_BUILD_FORMATS)
        set_target_properties (Gatevox_${format} PROPERTIES EXCLUDE_FROM_ALL TRUE)
    endif ()
endforeach ()

# What a program needs to link the shared code: the JUCE headers configured as
# the library was compiled.
add_library (gatevox_juce_program INTERFACE)
target_compile_definitions (gatevox_juce_program INTERFACE
    JUCE_GLOBAL_MODULE_SETTINGS_INCLUDED=1
    $<IF:$<CONFIG:DEBUG>,DEBUG=1 _DEBUG=1,NDEBUG=1 _NDEBUG=1>)
target_link_libraries (gatevox_juce_program INTERFACE Gatevox gatevox_juce_options gatevox_warnings)
