#pragma once

#include "core/ProcessorModel.h"
#include "core/SkiptorRebuildWorker.h"
#include "engine/RenderLoop.h"
#include "engine/TransportFollower.h"
#include "persistence/GlobalSettingsFile.h"
#include "persistence/KernelDefaults.h"
#include "persistence/PresetFolder.h"

#include <juce_audio_processors/juce_audio_processors.h>

// The plug-in's processor: owns the engine model and adapts it to the host.
class SkiptorAudioProcessor final : public juce::AudioProcessor, private juce::AsyncUpdater
{
public:
    SkiptorAudioProcessor();
    ~SkiptorAudioProcessor() override;

    const juce::String getName() const override { return "Gatevox"; }

    const juce::String getInputChannelName (int channelIndex) const override;
    const juce::String getOutputChannelName (int channelIndex) const override;
    bool isInputChannelStereoPair (int) const override { return true; }
    bool isOutputChannelStereoPair (int) const override { return true; }
    bool silenceInProducesSilenceOut() const override { return false; }
    double getTailLengthSeconds() const override { return 0.0; }
    bool acceptsMidi() const override { return false; }
    bool producesMidi() const override { return false; }

    bool hasEditor() const override { return true; }
    juce::AudioProcessorEditor* createEditor() override;

    int getNumPrograms() override { return 1; }
    int getCurrentProgram() override { return 0; }
    void setCurrentProgram (int) override {}
    const juce::String getProgramName (int index) override { return "Program " + juce::String (index + 1); }
    void changeProgramName (int, const juce::String&) override {}

    bool isBusesLayoutSupported (const BusesLayout& layouts) const override;

    void prepareToPlay (double sampleRate, int maximumExpectedSamplesPerBlock) override;
    void releaseResources() override {}
    void reset() override {}
    void processBlock (juce::AudioBuffer<float>& buffer, juce::MidiBuffer& midi) override;

    void getStateInformation (juce::MemoryBlock& destination) override;
    void setStateInformation (const void* data, int sizeInBytes) override;

    // Presets in the shared folder's "Presets" folder, by name (a single file
    // name: anything that could reach outside the folder is refused).
    gatevox::PresetResult savePreset (const juce::String& name);
    gatevox::PresetResult loadPreset (const juce::String& name);
    [[nodiscard]] juce::StringArray presetNames() const;

    // The settings page's change of a machine-wide option; saved at once.
    bool changeGlobalOption (gatevox::GlobalOptions::Option option, float value);

    // Puts the model back to the blank state ("<Blank>" in the preset list).
    void resetToBlank();

    // The editor's kernel choice for slot s: the kernel by name, with its
    // default parameter values and ranges. Off the audio thread.
    void chooseKernel (int s, const juce::String& kernelName);

    // The editor's road for a parameter change: the same as host automation,
    // and the host is told, so that it records the change.
    void setParameterNotifyingHost (int index, float value);

    // Where host automation and the editor change the model. The LFO table or
    // envelope segment a change needs is left to the rebuild worker, which
    // turns a burst of changes into one rebuild and keeps rebuilds off the
    // audio thread; offline rendering rebuilds at once, so renders repeat.
    void setParameterFromHost (int index, float value);

    // Runs the rebuilds still waiting for the worker on the calling thread,
    // for a caller that needs the new LFO table or envelope at once.
    void applyPendingRebuilds() { model->applyPendingRebuilds(); }

    // The value a parameter reads back in the blank state, which hosts take
    // as its default.
    [[nodiscard]] float blankValue (int index) const noexcept;

    [[nodiscard]] gatevox::ProcessorModel& getModel() noexcept { return *model; }
    [[nodiscard]] juce::CriticalSection& getEditorLock() noexcept { return editorLock; }

private:
    [[nodiscard]] std::optional<gatevox::HostPosition> hostPosition (int numSamples);

    // After the model changed other than through a parameter: every parameter
    // reads back the model's value and the host is told to show it again;
    // with `notifyEachParameter`, every value also goes to the host as a
    // parameter change (the road by which VST3 and LV2 hosts learn values).
    void publishModelToHost (bool notifyEachParameter);
    // A host write changed other parameters' values: the rebuild worker's poll
    // has the message thread tell the host.
    void publishDependents (int index);
    void forwardHostNotices();
    void handleAsyncUpdate() override;

    std::unique_ptr<gatevox::ProcessorModel> model;
    gatevox::RenderLoop renderLoop;
    gatevox::TransportFollower transportFollower;
    std::array<float, gatevox::numAutomationParameters> blankValues{};
    std::atomic<bool> hostDisplayStale{false};
    std::atomic<bool> parameterNoticesWaiting{false};
    std::array<std::atomic<bool>, gatevox::numAutomationParameters> parameterNoticeWaiting{};
    SkiptorRebuildWorker rebuildWorker{*model, [this] { forwardHostNotices(); }};
    std::array<gatevox::KernelDefaultsLoader, gatevox::numSlotRecords> kernelDefaults;
    gatevox::GlobalSettingsFile globalSettings;
    juce::CriticalSection editorLock;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SkiptorAudioProcessor)
};
