# The audio engine: plain C++20, no JUCE include. The plug-in, the tests and the
# benchmarks all link it.
add_library (gatevox_engine STATIC
    core/EnvelopeSettings.cpp
    core/GlobalOptions.cpp
    core/KernelParamStore.cpp
    core/ProcessorModel.cpp
    core/SineTable.cpp
    core/SlotSettings.cpp
    engine/StepClock.cpp
    engine/TransitionSmoother.cpp
    modulation/EnvelopeGenerator.cpp
    modulation/UserWaveFile.cpp
    modulation/UserWaveStore.cpp)

target_include_directories (gatevox_engine PUBLIC "${PROJECT_SOURCE_DIR}")
target_link_libraries (gatevox_engine PRIVATE gatevox_warnings)
