#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <string_view>
#include <unordered_map>

namespace gatevox
{

// The tables of every slot of every instance in the process, by content: a
// request for content that some slot already uses gets that slot's table
// instead of a copy. Content is a plain record compared and hashed bit for
// bit, so a key fixes every bit of the table built from it. The cache keeps
// no table alive: a table goes when its last user lets it go. Control threads
// only; one build at a time, so two instances asking for the same new table
// build it once.
template <typename Content, typename Table> class SharedTableCache
{
public:
    template <typename Build> std::shared_ptr<const Table> obtain (const Content& content, Build&& build)
    {
        const std::lock_guard lock (mutex);
        std::erase_if (entries, [] (const auto& e) { return e.second.expired(); });

        const Key key{content};
        if (auto found = entries.find (key); found != entries.end())
            if (auto table = found->second.lock())
                return table;

        auto table = std::make_shared<const Table> (build (content));
        entries.insert_or_assign (key, table);
        return table;
    }

    // The cache of the process (of the plug-in's module). Tables do not refer
    // to it, so an instance that outlives it can still let its tables go.
    static SharedTableCache& shared()
    {
        static SharedTableCache cache;
        return cache;
    }

private:
    struct Key
    {
        Content content;

        [[nodiscard]] std::string_view bytes() const noexcept
        {
            return {reinterpret_cast<const char*> (&content), sizeof (Content)};
        }

        bool operator== (const Key& other) const noexcept { return bytes() == other.bytes(); }
    };

    struct KeyHash
    {
        std::size_t operator() (const Key& key) const noexcept { return std::hash<std::string_view>{}(key.bytes()); }
    };

    std::mutex mutex;
    std::unordered_map<Key, std::weak_ptr<const Table>, KeyHash> entries;
};

} // namespace gatevox
