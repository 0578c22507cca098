#include "tests/plugin/Lv2TransportHost.h"

#include <lilv/lilv.h>
#include <lv2/atom/forge.h>
#include <lv2/buf-size/buf-size.h>
#include <lv2/options/options.h>
#include <lv2/state/state.h>
#include <lv2/time/time.h>
#include <lv2/urid/urid.h>

#include <array>
#include <map>
#include <string>

struct Lv2TransportHost::Impl
{
    // The plug-in's ports: stereo audio, an atom port each way, latency,
    // free-wheeling and enabled controls.
    enum Port : std::uint32_t
    {
        audioInLeft,
        audioInRight,
        audioOutLeft,
        audioOutRight,
        atomIn,
        atomOut,
        latency,
        freeWheeling,
        enabled
    };

    static LV2_URID mapUri (LV2_URID_Map_Handle handle, const char* uri)
    {
        auto& uris = *static_cast<std::map<std::string, LV2_URID>*> (handle);
        return uris.emplace (uri, static_cast<LV2_URID> (uris.size() + 1)).first->second;
    }

    LV2_URID map (const char* uri) { return mapUri (&uris, uri); }

    std::map<std::string, LV2_URID> uris;
    LV2_URID_Map uridMap{&uris, mapUri};
    std::int32_t maxBlock = 0;
    double rate = 48000.0;
    std::array<LV2_Options_Option, 2> options{};
    LV2_Feature mapFeature{LV2_URID__map, &uridMap};
    LV2_Feature optionsFeature{LV2_OPTIONS__options, options.data()};
    LV2_Feature boundedFeature{LV2_BUF_SIZE__boundedBlockLength, nullptr};
    std::array<const LV2_Feature*, 4> features{&mapFeature, &optionsFeature, &boundedFeature, nullptr};

    LilvWorld* world = lilv_world_new();
    LilvInstance* instance = nullptr;
    std::vector<std::uint64_t> atomInBuffer = std::vector<std::uint64_t> (8192);
    std::vector<std::uint64_t> atomOutBuffer = std::vector<std::uint64_t> (8192);
    std::array<float, 3> controls{0.0f, 0.0f, 1.0f}; // latency, free-wheeling, enabled
    std::vector<float> outLeft, outRight;
    bool pending = false;
    std::int64_t frame = 0;
    float bpm = 120.0f;
    std::string stateText;

    void writePosition (LV2_Atom_Forge& forge)
    {
        LV2_Atom_Forge_Frame object;
        lv2_atom_forge_frame_time (&forge, 0);
        lv2_atom_forge_object (&forge, &object, 0, map (LV2_TIME__Position));
        lv2_atom_forge_key (&forge, map (LV2_TIME__frame));
        lv2_atom_forge_long (&forge, frame);
        lv2_atom_forge_key (&forge, map (LV2_TIME__speed));
        lv2_atom_forge_float (&forge, 1.0f);
        const double beats = static_cast<double> (frame) * bpm / 60.0 / rate;
        lv2_atom_forge_key (&forge, map (LV2_TIME__bar));
        lv2_atom_forge_long (&forge, static_cast<std::int64_t> (beats / 4.0));
        lv2_atom_forge_key (&forge, map (LV2_TIME__barBeat));
        lv2_atom_forge_float (&forge, static_cast<float> (std::fmod (beats, 4.0)));
        lv2_atom_forge_key (&forge, map (LV2_TIME__beatUnit));
        lv2_atom_forge_int (&forge, 4);
        lv2_atom_forge_key (&forge, map (LV2_TIME__beatsPerBar));
        lv2_atom_forge_float (&forge, 4.0f);
        lv2_atom_forge_key (&forge, map (LV2_TIME__beatsPerMinute));
        lv2_atom_forge_float (&forge, bpm);
        lv2_atom_forge_pop (&forge, &object);
    }

    static const void* retrieve (LV2_State_Handle handle, std::uint32_t key, std::size_t* size, std::uint32_t* type,
                                 std::uint32_t* flags)
    {
        auto& self = *static_cast<Impl*> (handle);
        if (key != self.map (GATEVOX_LV2_URI ":StateString"))
            return nullptr;
        *size = self.stateText.size() + 1;
        *type = self.map (LV2_ATOM__String);
        *flags = LV2_STATE_IS_POD | LV2_STATE_IS_PORTABLE;
        return self.stateText.c_str();
    }
};

Lv2TransportHost::Lv2TransportHost (const juce::File& bundle, const char* pluginUri, double sampleRate,
                                    int maxBlockSize, const juce::MemoryBlock& state)
    : impl (std::make_unique<Impl>())
{
    auto& d = *impl;
    d.maxBlock = maxBlockSize;
    d.rate = sampleRate;
    d.options[0] = {LV2_OPTIONS_INSTANCE,  0,          d.map (LV2_BUF_SIZE__maxBlockLength), sizeof (std::int32_t),
                    d.map (LV2_ATOM__Int), &d.maxBlock};
    d.outLeft.resize (static_cast<std::size_t> (maxBlockSize));
    d.outRight.resize (static_cast<std::size_t> (maxBlockSize));

    auto* bundleUri = lilv_new_file_uri (d.world, nullptr, (bundle.getFullPathName() + "/").toRawUTF8());
    lilv_world_load_bundle (d.world, bundleUri);
    lilv_node_free (bundleUri);

    auto* uri = lilv_new_uri (d.world, pluginUri);
    const auto* plugin = lilv_plugins_get_by_uri (lilv_world_get_all_plugins (d.world), uri);
    lilv_node_free (uri);
    if (plugin == nullptr)
        return;

    d.instance = lilv_plugin_instantiate (plugin, sampleRate, d.features.data());
    if (d.instance == nullptr)
        return;
    lilv_instance_connect_port (d.instance, Impl::atomIn, d.atomInBuffer.data());
    lilv_instance_connect_port (d.instance, Impl::atomOut, d.atomOutBuffer.data());
    lilv_instance_connect_port (d.instance, Impl::latency, &d.controls[0]);
    lilv_instance_connect_port (d.instance, Impl::freeWheeling, &d.controls[1]);
    lilv_instance_connect_port (d.instance, Impl::enabled, &d.controls[2]);

    d.stateText = state.toBase64Encoding().toStdString();
    const auto* interface =
        static_cast<const LV2_State_Interface*> (lilv_instance_get_extension_data (d.instance, LV2_STATE__interface));
    if (interface != nullptr)
        interface->restore (lilv_instance_get_handle (d.instance), Impl::retrieve, &d, 0, d.features.data());
    lilv_instance_activate (d.instance);
}

Lv2TransportHost::~Lv2TransportHost()
{
    if (impl->instance != nullptr)
    {
        lilv_instance_deactivate (impl->instance);
        lilv_instance_free (impl->instance);
    }
    lilv_world_free (impl->world);
}

bool Lv2TransportHost::loaded() const noexcept
{
    return impl->instance != nullptr;
}

void Lv2TransportHost::announceTransport (std::int64_t frame, float bpm)
{
    impl->frame = frame;
    impl->bpm = bpm;
    impl->pending = true;
}

void Lv2TransportHost::process (float* left, float* right, int numSamples)
{
    auto& d = *impl;
    LV2_Atom_Forge forge;
    lv2_atom_forge_init (&forge, &d.uridMap);
    lv2_atom_forge_set_buffer (&forge, reinterpret_cast<std::uint8_t*> (d.atomInBuffer.data()),
                               d.atomInBuffer.size() * sizeof (std::uint64_t));
    LV2_Atom_Forge_Frame sequence;
    lv2_atom_forge_sequence_head (&forge, &sequence, 0);
    if (d.pending)
        d.writePosition (forge);
    d.pending = false;
    lv2_atom_forge_pop (&forge, &sequence);

    auto* out = reinterpret_cast<LV2_Atom*> (d.atomOutBuffer.data());
    out->type = d.map (LV2_ATOM__Chunk);
    out->size = static_cast<std::uint32_t> (d.atomOutBuffer.size() * sizeof (std::uint64_t) - sizeof (LV2_Atom));

    lilv_instance_connect_port (d.instance, Impl::audioInLeft, left);
    lilv_instance_connect_port (d.instance, Impl::audioInRight, right);
    lilv_instance_connect_port (d.instance, Impl::audioOutLeft, d.outLeft.data());
    lilv_instance_connect_port (d.instance, Impl::audioOutRight, d.outRight.data());
    lilv_instance_run (d.instance, static_cast<std::uint32_t> (numSamples));
    std::copy_n (d.outLeft.begin(), numSamples, left);
    std::copy_n (d.outRight.begin(), numSamples, right);
}
