// Files the standards evaluation reads again and again (the sheets, their
// data and standard-size files, the mapping files), remembered between
// evaluations.
//
// Every remembered result carries the stamp of what it came from: device,
// inode, size, change and modification times, taken with one stat. It is used
// only while the stamp is unchanged, so a file that is edited, replaced,
// created or removed between two evaluations is looked up and read again.
// A look-up that found nothing is stamped with the deepest folder that
// exists on its way, whose times change when an entry appears in it.
//
// Checking a stamp takes a stat, which costs more than the rest of a look-up.
// So where the file system allows, a remembered path is also watched for
// change notices (see filewatch): while none has arrived since its stamp was
// last seen to hold, the stamp still holds and no stat is made.
//
// File times are coarse (a clock tick, seconds on some file systems): a file
// changed twice within one tick keeps its stamp. So a result is trusted only
// once its file's times lie well before the moment it was read; until then
// it is read again each time.
#pragma once

#include "platform/core/zrl_string.h"

#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>

namespace spread {
class Sheet;
}

namespace filecache {

struct FileStamp {
    bool exists = false;
    bool regular = false;
    unsigned long long device = 0, inode = 0, size = 0;
    long long changedNs = 0, modifiedNs = 0;
    bool operator==(const FileStamp&) const = default;
};

// The stamp of a file or folder as it is now (exists false when stat fails).
FileStamp stampOf(const std::filesystem::path& path);
// The time now, on the clock of file times.
long long nowNs();
// Whether a stamp taken at `readNs` can be trusted to change with the file.
bool settled(const FileStamp& stamp, long long readNs);

// The regular file a module path names (see resolvePath), with its stamp;
// false when there is none.
bool findFile(const Zrl_String& path, std::filesystem::path& found, FileStamp& stamp);
bool isFile(const Zrl_String& path);
// findFile with the file's path as a text (what remembered contents are
// kept under), cheaper to hand out than the path.
bool fileKey(const Zrl_String& path, std::string& key, FileStamp& stamp);
// A file, or a sheet of an existing workbook chosen by name
// ("Book.xlsx#Sheet"), as loadSheet takes it.
bool isSheetFile(const Zrl_String& path);

// Forgets everything remembered.
void clearAll();

// One evaluation, child evaluations included: within it the files are taken
// not to change, so a look-up checked once in it is not checked again.
// Scopes nest; the outermost one counts.
class Scope {
public:
    Scope();
    ~Scope();
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;
};

// The evaluation open on this thread (see Scope), 0 when there is none.
// Each evaluation has its own number.
unsigned long currentScope();

namespace detail {
// Registers a cache's clear function with clearAll.
void onClearAll(void (*clear)());
// Entries a cache keeps before it starts over; fewer of the sheets, which
// are larger.
constexpr size_t kMaxEntries = 256;
constexpr size_t kMaxSheets = 32;
} // namespace detail

// The content of the file `path` names, as `load(path, resolved, value)`
// reads it: read again only when the file changed since the last successful
// read. Null when there is no such file or load fails (nothing remembered).
// `kept`, if given, tells whether the content is remembered (a file changed
// too recently is not). `part` names what of the file is read when one file
// holds several (a workbook's sheet): each part is remembered on its own.
template <class T, class Load>
std::shared_ptr<const T> cachedRead(const Zrl_String& path, Load load, bool* kept = nullptr,
                                    size_t maxEntries = detail::kMaxEntries,
                                    const Zrl_String& part = Zrl_String()) {
    struct Entry {
        FileStamp stamp;
        std::shared_ptr<const T> value;
    };
    struct Store {
        std::mutex lock;
        std::unordered_map<std::string, Entry> entries;
    };
    static Store store;
    static const bool registered = (detail::onClearAll([] {
                                        std::lock_guard<std::mutex> guard(store.lock);
                                        store.entries.clear();
                                    }),
                                    true);
    (void)registered;

    if (kept) *kept = false;
    std::string key;
    FileStamp stamp;
    if (!fileKey(path, key, stamp)) return nullptr;
    if (!part.isEmpty()) key += '\0' + part.toUtf8();
    {
        std::lock_guard<std::mutex> guard(store.lock);
        auto it = store.entries.find(key);
        if (it != store.entries.end() && it->second.stamp == stamp) {
            if (kept) *kept = true;
            return it->second.value;
        }
    }
    std::filesystem::path resolved;
    if (!findFile(path, resolved, stamp)) return nullptr;
    const long long readNs = nowNs();
    auto value = std::make_shared<T>();
    if (!load(path, resolved, *value)) return nullptr;
    // Only a stamp that will change with the file is worth keeping.
    if (!settled(stamp, readNs)) return value;
    std::lock_guard<std::mutex> guard(store.lock);
    if (store.entries.size() >= maxEntries) store.entries.clear();
    store.entries[key] = Entry{stamp, value};
    if (kept) *kept = true;
    return value;
}

// The sheet of the file `path` names as spread::Sheet::load reads it: the
// remembered one while the file is unchanged (`kept` true), else read anew
// (`kept` false: the caller's own, remembered by nobody). Null, with the
// reason, when it cannot be read.
std::shared_ptr<const spread::Sheet> sheetOf(const Zrl_String& path, bool& kept,
                                             std::wstring* error = nullptr);

// Loads the sheet file `path` names into `target` as spread::Sheet::load
// does, from a remembered copy while the file is unchanged. A sheet of a
// workbook chosen by name ("Book.xlsx#Sheet") is remembered apart from the
// workbook's other sheets. False, with the
// reason, leaves `target` as it was. `source`, if given, receives the
// remembered sheet the content was copied from (null when the file is not
// remembered).
bool loadSheet(const Zrl_String& path, spread::Sheet& target, std::wstring* error = nullptr,
               std::shared_ptr<const spread::Sheet>* source = nullptr);

} // namespace filecache
