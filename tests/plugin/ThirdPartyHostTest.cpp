#include <juce_audio_formats/juce_audio_formats.h>

#include <gtest/gtest.h>

#include <cmath>

// The LV2 build run by a host nobody here wrote: lilv's lv2apply streams a WAV
// file through a plug-in. It gives no transport, so the plug-in must hand every
// sample back untouched. lv2apply connects audio and control ports only, and
// the plug-in's parameters and transport travel on atom ports, so this version
// refuses it at load: then it must say so in one clean error, not crash.
namespace
{
juce::AudioBuffer<float> testSignal (int numSamples)
{
    juce::AudioBuffer<float> signal (2, numSamples);
    for (int i = 0; i < numSamples; ++i)
    {
        signal.setSample (0, i, 0.6f * std::sin (0.021f * static_cast<float> (i)));
        signal.setSample (1, i,
                          0.3f * std::sin (0.0047f * static_cast<float> (i)) + 1.0e-3f * static_cast<float> (i % 7));
    }
    return signal;
}

bool writeWav (const juce::File& file, const juce::AudioBuffer<float>& signal)
{
    juce::WavAudioFormat wav;
    std::unique_ptr<juce::AudioFormatWriter> writer (
        wav.createWriterFor (new juce::FileOutputStream (file), 48000.0, 2, 32, {}, 0));
    return writer != nullptr && writer->writeFromAudioSampleBuffer (signal, 0, signal.getNumSamples());
}

std::unique_ptr<juce::AudioBuffer<float>> readWav (const juce::File& file)
{
    juce::WavAudioFormat wav;
    std::unique_ptr<juce::AudioFormatReader> reader (wav.createReaderFor (new juce::FileInputStream (file), true));
    if (reader == nullptr)
        return nullptr;
    auto signal = std::make_unique<juce::AudioBuffer<float>> (static_cast<int> (reader->numChannels),
                                                              static_cast<int> (reader->lengthInSamples));
    reader->read (signal.get(), 0, signal->getNumSamples(), 0, true, true);
    return signal;
}
} // namespace

TEST (ThirdPartyHost, Lv2applyPassesAudioThroughOrRefusesCleanly)
{
    const juce::File lv2apply (GATEVOX_LV2APPLY);
    if (!lv2apply.existsAsFile())
        GTEST_SKIP() << "lv2apply (Debian's lilv-utils) is not installed";

    const juce::TemporaryFile in (".wav"), out (".wav");
    const auto signal = testSignal (48000 + 123);
    ASSERT_TRUE (writeWav (in.getFile(), signal));

    // lilv finds the bundle through LV2_PATH.
    const auto bundles = juce::File (GATEVOX_LV2_BUNDLE).getParentDirectory().getFullPathName();
    const auto command = "LV2_PATH=" + bundles.quoted ('\'') + " " + lv2apply.getFullPathName().quoted ('\'') + " -i " +
                         in.getFile().getFullPathName().quoted ('\'') + " -o " +
                         out.getFile().getFullPathName().quoted ('\'') + " " + juce::String (GATEVOX_LV2_URI) + " 2>&1";
    juce::ChildProcess host;
    ASSERT_TRUE (host.start (juce::StringArray{"sh", "-c", command}));
    const auto printed = host.readAllProcessOutput();
    ASSERT_TRUE (host.waitForProcessToFinish (60000));
    // The shell reports a host killed by a signal as 128 plus the signal.
    ASSERT_LT (host.getExitCode(), 128u) << printed;
    if (host.getExitCode() != 0)
    {
        EXPECT_TRUE (printed.contains ("unsupported type")) << printed;
        return;
    }

    const auto processed = readWav (out.getFile());
    ASSERT_NE (processed, nullptr) << printed;
    ASSERT_EQ (processed->getNumChannels(), 2);
    ASSERT_EQ (processed->getNumSamples(), signal.getNumSamples());
    for (int c = 0; c < 2; ++c)
        for (int i = 0; i < signal.getNumSamples(); ++i)
            ASSERT_EQ (processed->getSample (c, i), signal.getSample (c, i)) << c << " " << i;
}
