# The processor's sources, shared by the plug-in, the renderer and the
# JUCE-side tests.
set (GATEVOX_LV2_URI "https://velmont.example/plugins/gatevox")

set (GATEVOX_PLUGIN_SOURCES
    "${PROJECT_SOURCE_DIR}/core/SkiptorAudioProcessor.cpp"
    "${PROJECT_SOURCE_DIR}/core/SkiptorParameter.cpp"
    "${PROJECT_SOURCE_DIR}/editor/PlaceholderEditor.cpp"
    "${PROJECT_SOURCE_DIR}/persistence/AttributeReader.cpp"
    "${PROJECT_SOURCE_DIR}/persistence/DocumentBuilder.cpp"
    "${PROJECT_SOURCE_DIR}/persistence/DocumentNumbers.cpp"
    "${PROJECT_SOURCE_DIR}/persistence/DocumentText.cpp"
    "${PROJECT_SOURCE_DIR}/persistence/DocumentVocabulary.cpp"
    "${PROJECT_SOURCE_DIR}/persistence/GlobalSettingsFile.cpp"
    "${PROJECT_SOURCE_DIR}/persistence/HostStateDocument.cpp"
    "${PROJECT_SOURCE_DIR}/persistence/KernelDefaults.cpp"
    "${PROJECT_SOURCE_DIR}/persistence/KernelParameterDocument.cpp"
    "${PROJECT_SOURCE_DIR}/persistence/ModelRestore.cpp"
    "${PROJECT_SOURCE_DIR}/persistence/PresetDocument.cpp"
    "${PROJECT_SOURCE_DIR}/persistence/PresetFolder.cpp"
    "${PROJECT_SOURCE_DIR}/persistence/SharedFolder.cpp"
    "${PROJECT_SOURCE_DIR}/persistence/StateBlock.cpp")

# The plug-in in every format from one shared code target.
if (GATEVOX_BUILD_FORMATS)
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
    target_compile_definitions (Gatevox PUBLIC
        JUCE_VST_RETURN_HEX_VERSION_NUMBER_DIRECTLY=1
        JucePlugin_LV2URI="${GATEVOX_LV2_URI}")

    gatevox_add_own_sources (Gatevox ${GATEVOX_PLUGIN_SOURCES})

    target_link_libraries (Gatevox
        PRIVATE
            gatevox_engine
            juce::juce_audio_utils
            gatevox_juce_options)

    # Hosts name a VST2 plug-in after its file: "Gatevox.so", not "libGatevox.so".
    set_target_properties (Gatevox_VST PROPERTIES PREFIX "")

    foreach (format VST VST3 LV2 Standalone)
        target_link_libraries (Gatevox_${format} PRIVATE gatevox_juce_options)
    endforeach ()
endif ()
