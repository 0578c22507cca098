#include "bench/HeavyScene.h"
#include "tests/engine/RenderHarness.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace gatevox;

// Hashes of the output of fixed scenes, recorded from the engine as it was
// before its speed work: an optimisation must leave every sample bit for bit.
namespace
{
constexpr int blockSize = 512;

// FNV-1a over the bits of every left and right output sample.
class OutputHash
{
public:
    void add (float sample) noexcept
    {
        std::uint32_t bits = 0;
        std::memcpy (&bits, &sample, sizeof bits);
        for (int byte = 0; byte < 4; ++byte)
            value = (value ^ ((bits >> (8 * byte)) & 0xffu)) * 0x100000001b3u;
    }

    std::uint64_t value = 0xcbf29ce484222325u;
};

// Renders blocks of noise at 0.5 on the left and a quieter, independent noise
// on the right, and hashes the output.
std::uint64_t renderHash (RenderHarness& h, int blocks)
{
    scene::Noise noiseLeft (0.5f), noiseRight (0.3f);
    OutputHash hash;
    std::vector<float> left (blockSize), right (blockSize);
    for (int block = 0; block < blocks; ++block)
    {
        for (int i = 0; i < blockSize; ++i)
            left[static_cast<std::size_t> (i)] = noiseLeft.next(),
                                          right[static_cast<std::size_t> (i)] = noiseRight.next();
        h.render (left, right);
        for (int i = 0; i < blockSize; ++i)
            hash.add (left[static_cast<std::size_t> (i)]), hash.add (right[static_cast<std::size_t> (i)]);
    }
    return hash.value;
}
} // namespace

TEST (GoldenRender, HeavyScene)
{
    RenderHarness h;
    h.setOption (GlobalOptions::additionalSmoothing, 0.0f); // the model's default three-point mean
    scene::programmeHeavyScene (*h.model);
    EXPECT_EQ (renderHash (h, 400), 12662661332714077507u);
}

TEST (GoldenRender, EveryStepEmpty)
{
    RenderHarness h;
    h.setOption (GlobalOptions::emptySequenceDefault, 1.0f);
    EXPECT_EQ (renderHash (h, 40), 13199272274097531103u);
}

// Every kernel alone on slot 0 at its catalogue defaults, its first parameter
// under the envelope, the LFO read with a phase offset and never restarted.
TEST (GoldenRender, EveryKernel)
{
    const std::uint64_t expected[numKernels] = {
        7334910795297911822u,  13807095593757336918u, 5022882039686327713u,  8235389205823782114u,
        13935591035162800177u, 17535360835717766941u, 14984954595573329027u, 11700579536336836432u,
        12124959164145539102u, 7241499024377434650u,  14342801306076330542u, 17407213099755198794u,
        16604835885750051334u, 1963104803326782912u,  14000317850387085441u, 2678820081461782487u,
        12360696607994900970u, 14953737194858732420u, 3273750211180514129u,  4190328212635841742u,
        1159195300311025472u,  1265622762776884335u,  12867860871476337298u, 7676676173943019219u,
        9083200475564373064u,  11980516128988314245u, 15567377086959318954u, 1139130461599964936u,
        10708019891816872662u, 8385612447495989369u,  2655633942079947918u,  11261550832489587413u,
        7951656311647187784u,  10054008656114534054u, 6970958643417493302u,  854943274825804u,
        12471332665815414208u, 1468662695283484413u,  3025755717603778868u,  11692031552642116057u,
        11028701947618168376u, 14460784965155315048u, 9299068955888139311u,  12082670577033944219u,
        2276346095180028089u,  10818279033885238329u, 11322494182802868763u, 6254302981266471705u,
        11843593963739844041u, 682724160605523975u,   14789119305648513829u};
    for (int kernel = 0; kernel < numKernels; ++kernel)
    {
        RenderHarness h;
        h.fillLayer (0, 0);
        scene::loadCatalogueKernel (*h.model, 0, kernel);
        h.model->setPatternSpeed (2);
        h.model->slot (0).ints.waitingWrite (SlotSettings::retrigger, 0);
        h.model->slot (0).floats.waitingWrite (SlotSettings::phase, 0.3f);
        h.model->envelope (0).switches.waitingWrite (EnvelopeSettings::envelopeOn, 1.0f);
        h.model->envelope (0).destination.waitingWrite (0, EnvelopeSettings::param1Destination);
        EXPECT_EQ (renderHash (h, 60), expected[kernel]) << kernelNameOfId (kernel);
    }
}
