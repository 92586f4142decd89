// The first existing one of the places a name can be, looked for once per
// evaluation: within one the files are taken not to change (see
// filecache::Scope). The places of each name are made once.
#pragma once

#include "platform/core/zrl_string.h"
#include "standards/file_cache.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace filecache {

class FirstExisting {
public:
    // The first of the places `make(context)` lists for `key` for which
    // `exists` holds; null when there is none. `context()` gives what the
    // places depend on besides the key (the library folder); when it changes
    // every list is made anew. The result is valid until the next call.
    template <class Context, class Make, class Exists>
    const Zrl_String* find(const std::wstring& key, Context context, Make make, Exists exists) {
        const unsigned long scope = currentScope();
        auto it = places_.find(key);
        if (scope == 0 || it == places_.end() || it->second.scope != scope) {
            std::wstring now = context();
            if (now != context_ || places_.size() >= detail::kMaxEntries) {
                places_.clear();
                context_ = std::move(now);
                it = places_.end();
            }
            if (it == places_.end()) it = places_.emplace(key, Place{make(context_)}).first;
            Place& place = it->second;
            place.found = -1;
            for (size_t i = 0; i < place.candidates.size(); ++i) {
                if (exists(place.candidates[i])) {
                    place.found = static_cast<int>(i);
                    break;
                }
            }
            place.scope = scope;
        }
        const Place& place = it->second;
        return place.found < 0 ? nullptr : &place.candidates[static_cast<size_t>(place.found)];
    }

private:
    struct Place {
        std::vector<Zrl_String> candidates;
        // The evaluation that looked last, and what it found (-1: none).
        unsigned long scope = 0;
        int found = -1;
    };
    std::wstring context_;
    std::unordered_map<std::wstring, Place> places_;
};

} // namespace filecache
