# The audio engine: plain C++20, no JUCE include. The plug-in, the tests and the
# benchmarks all link it.
add_library (gatevox_engine STATIC
    core/EnvelopeSettings.cpp
    core/GlobalOptions.cpp
    core/KernelParamStore.cpp
    core/ProcessorModel.cpp
    core/SlotSettings.cpp
    engine/LayerStep.cpp
    engine/RenderLoop.cpp
    engine/RouteMixer.cpp
    engine/StepClock.cpp
    engine/TransportFollower.cpp
    engine/TransitionGains.cpp
    engine/TransitionSmoother.cpp
    kernels/BandPassPair.cpp
    kernels/CombLine.cpp
    kernels/DelayBanks.cpp
    kernels/DelayEngine.cpp
    kernels/ColorKernels.cpp
    kernels/ColorNetwork.cpp
    kernels/DelayKernels.cpp
    kernels/DelayLine.cpp
    kernels/FilterBanks.cpp
    kernels/FilterKernels.cpp
    kernels/FormantBanks.cpp
    kernels/FormantFilter.cpp
    kernels/FormantKernels.cpp
    kernels/FilterSections.cpp
    kernels/FrequencyTracker.cpp
    kernels/KernelCatalogue.cpp
    kernels/KernelDispatch.cpp
    kernels/ModulatorKernels.cpp
    kernels/PhaseModulator.cpp
    kernels/RealFft.cpp
    kernels/Resampler.cpp
    kernels/ResamplerKernels.cpp
    kernels/RingModulator.cpp
    kernels/SampleHoldEcho.cpp
    kernels/ShaperKernels.cpp
    kernels/Shapers.cpp
    kernels/ShortKernels.cpp
    kernels/StateVariableFilter.cpp
    kernels/ThreeToneModulator.cpp
    kernels/TrackingModulator.cpp
    modulation/EnvelopeGenerator.cpp
    modulation/LfoGenerators.cpp
    modulation/LfoWaveTable.cpp
    modulation/UserWaveFile.cpp
    modulation/UserWaveStore.cpp
    params/LfoShapeChange.cpp
    params/ParameterApplier.cpp
    params/ParameterReadBack.cpp
    params/ParameterLayout.cpp
    params/ParameterText.cpp)

target_include_directories (gatevox_engine PUBLIC "${PROJECT_SOURCE_DIR}")
target_link_libraries (gatevox_engine PRIVATE gatevox_warnings)

# Every product and sum as the source spells it: no contraction into fused
# multiply-adds, whatever the target processor offers, so that each sample is
# the same on every machine.
target_compile_options (gatevox_engine PRIVATE -ffp-contract=off)

# Link-time optimisation in Release builds: the render loop, the dispatch and
# the kernels live in separate files, and inlining across them pays on every
# sample. Programs that link the engine optimise it at their own link.
include (CheckIPOSupported)
check_ipo_supported (RESULT gatevox_ipo_supported LANGUAGES CXX)
if (gatevox_ipo_supported)
    set_property (TARGET gatevox_engine PROPERTY INTERPROCEDURAL_OPTIMIZATION_RELEASE ON)
endif ()
