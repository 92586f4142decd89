#include "standards/file_cache.h"

#include "platform/core/file_watch.h"
#include "platform/core/paths.h"
#include "platform/spread/sheet.h"
#include "platform/spread/sheet_file.h"

#include <algorithm>
#include <atomic>
#include <climits>
#include <ctime>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace filecache {

namespace {

// Where a module path led: the file found (or the path as far as it could be
// matched), and what the result depends on with its stamp.
struct Lookup {
    std::filesystem::path resolved;
    std::filesystem::path checked;
    // The resolved path as a text, once found.
    std::string key;
    FileStamp stamp;
    long long readNs = 0;
    bool found = false;
    // The scope in which the stamp was last checked (0: none).
    unsigned long checkedIn = 0;
    // The notice generation (see filewatch) at which the stamp was last
    // seen to hold, 0 when changes to it are not noticed; for a relative
    // path, the working folder it was resolved in.
    unsigned long long watchGeneration = 0;
    std::string workingFolder;
    // Whether the stamp is old enough that a later change must alter it
    // (see settled); a fresher one is kept only while watched.
    bool stampTrusted = true;
};

struct Lookups {
    std::mutex lock;
    std::unordered_map<std::wstring, Lookup> entries;
    std::vector<void (*)()> clears;
};

// The scope open on this thread (0: none), and its nesting.
thread_local unsigned long tScope = 0;
thread_local int tScopeDepth = 0;
std::atomic<unsigned long> gLastScope{0};

Lookups& lookups() {
    static Lookups instance;
    return instance;
}

// What an evaluation finds out once: the notice generation and the working
// folder as they were when it first needed them.
struct ScopeFacts {
    unsigned long scope = 0;
    unsigned long long generation = 0;
    bool haveFolder = false;
    std::string folder;
};
thread_local ScopeFacts tFacts;

ScopeFacts& facts() {
    if (tScope == 0 || tFacts.scope != tScope) {
        tFacts = ScopeFacts{};
        tFacts.scope = tScope;
        tFacts.generation = filewatch::generation();
    }
    return tFacts;
}

const std::string& workingFolder(ScopeFacts& f) {
    if (!f.haveFolder) {
        // Straight from the system: taking the folder apart into a path
        // object costs more than the call itself.
        char buffer[PATH_MAX];
        f.haveFolder = ::getcwd(buffer, sizeof buffer) != nullptr;
        f.folder = f.haveFolder ? buffer : "";
    }
    return f.folder;
}

Lookup lookUp(const Zrl_String& path) {
    Lookup l;
    l.readNs = nowNs();
    l.resolved = resolvePath(path);
    l.checked = l.resolved;
    l.stamp = stampOf(l.checked);
    // Nothing there: what decides is the deepest folder on the way that
    // exists, "." for a relative path whose folders are all missing.
    while (!l.stamp.exists) {
        std::filesystem::path parent = l.checked.parent_path();
        if (parent == l.checked) break;
        l.checked = parent.empty() ? std::filesystem::path(".") : parent;
        l.stamp = stampOf(l.checked);
        if (parent.empty()) break;
    }
    l.found = l.checked == l.resolved && l.stamp.regular;
    if (l.found) l.key = l.resolved.string();
    return l;
}

// Has the look-up's stamp noticed from now on, when its file system allows.
// The watch starts before the look-up is repeated, so a change made while
// it was being set up is either in the repeated stamp or noticed later.
void watchLookup(const Zrl_String& path, Lookup& l) {
    std::error_code ec;
    const std::filesystem::path folder = std::filesystem::current_path(ec);
    if (ec) return;
    const bool relative = !l.checked.is_absolute();
    if (!filewatch::watch(relative ? folder / l.checked : l.checked)) return;
    const unsigned long long generation = filewatch::generation();
    const Lookup again = lookUp(path);
    if (generation == 0 || again.resolved != l.resolved || again.checked != l.checked ||
        !(again.stamp == l.stamp))
        return;
    l.watchGeneration = generation;
    if (relative) l.workingFolder = folder.string();
}

// Whether an entry's stamp is still that of its path: checked already in
// this evaluation, no notice since it was last seen to hold, or the same
// stamp as the file has now.
bool stampHolds(Lookup& l) {
    if (tScope != 0 && l.checkedIn == tScope) return true;
    // The generation is taken before any stat: a change after it moves the
    // generation again.
    ScopeFacts& f = facts();
    // Notices tell about the path only while it is watched and, for a
    // relative one, the working folder is the one it was watched in.
    const bool watched = l.watchGeneration != 0 && f.generation != 0 &&
                         (l.checked.is_absolute() || workingFolder(f) == l.workingFolder);
    if (watched && l.watchGeneration == f.generation) return true;
    if (!l.stampTrusted || !(stampOf(l.checked) == l.stamp)) return false;
    if (watched) l.watchGeneration = f.generation;
    return true;
}

} // namespace

FileStamp stampOf(const std::filesystem::path& path) {
    FileStamp s;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return s;
    s.exists = true;
    s.regular = S_ISREG(st.st_mode);
    s.device = st.st_dev;
    s.inode = st.st_ino;
    s.size = static_cast<unsigned long long>(st.st_size);
    s.changedNs = st.st_ctim.tv_sec * 1000000000LL + st.st_ctim.tv_nsec;
    s.modifiedNs = st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec;
    return s;
}

long long nowNs() {
    struct timespec t {};
    ::clock_gettime(CLOCK_REALTIME, &t);
    return t.tv_sec * 1000000000LL + t.tv_nsec;
}

bool settled(const FileStamp& stamp, long long readNs) {
    // Longer than the coarsest clock of common file systems.
    constexpr long long kMargin = 2000000000LL;
    return std::max(stamp.changedNs, stamp.modifiedNs) + kMargin < readNs;
}

namespace {

// findFile; `found`, `stamp` and `key` are filled when given.
bool find(const Zrl_String& path, std::filesystem::path* found, FileStamp* stamp,
          std::string* key = nullptr) {
    if (path.isEmpty()) return false;
    Lookups& all = lookups();
    try {
        // Whether the path's last look-up was kept on a fresh stamp and
        // has gone stale since: its folder keeps changing.
        bool staleFresh = false;
        {
            std::lock_guard<std::mutex> guard(all.lock);
            auto it = all.entries.find(path.str());
            const bool checked = it != all.entries.end() && stampHolds(it->second);
            staleFresh = it != all.entries.end() && !checked && !it->second.stampTrusted;
            if (checked) {
                it->second.checkedIn = tScope;
                if (!it->second.found) return false;
                if (found) *found = it->second.resolved;
                if (stamp) *stamp = it->second.stamp;
                if (key) *key = it->second.key;
                return true;
            }
        }
        Lookup l = lookUp(path);
        if (l.found) {
            if (found) *found = l.resolved;
            if (stamp) *stamp = l.stamp;
            if (key) *key = l.key;
        }
        const bool ok = l.found;
        l.checkedIn = tScope;
        // A stamp that will change with what it stands for is kept; a
        // fresher one (a folder just written to, say the one a batch's
        // cases were saved in) only while the path is watched, so that a
        // notice, not the stamp, tells of a change. A folder that keeps
        // changing is not watched again at each look-up: its entry stays
        // as an unwatched mark that never holds, so the path costs one
        // look-up, as it would uncached, until the folder settles.
        l.stampTrusted = settled(l.stamp, l.readNs);
        if (l.stampTrusted || !staleFresh) watchLookup(path, l);
        if (!l.stampTrusted && l.watchGeneration == 0 && !staleFresh) return ok;
        std::lock_guard<std::mutex> guard(all.lock);
        if (all.entries.size() >= detail::kMaxEntries) all.entries.clear();
        all.entries[path.str()] = std::move(l);
        return ok;
    } catch (...) {
        return false;
    }
}

} // namespace

bool findFile(const Zrl_String& path, std::filesystem::path& found, FileStamp& stamp) {
    return find(path, &found, &stamp);
}

bool isFile(const Zrl_String& path) {
    return find(path, nullptr, nullptr);
}

bool fileKey(const Zrl_String& path, std::string& key, FileStamp& stamp) {
    return find(path, nullptr, &stamp, &key);
}

namespace {

// The workbook's file of "Book.xlsx#Sheet" when no file has the whole name;
// else empty.
Zrl_String workbookOf(const Zrl_String& path) {
    const size_t hash = path.str().rfind(L'#');
    if (hash == std::wstring::npos || hash == 0) return Zrl_String();
    const Zrl_String book = path.left(static_cast<int>(hash));
    if (!isFile(path) && isFile(book)) return book;
    return Zrl_String();
}

} // namespace

bool isSheetFile(const Zrl_String& path) {
    return isFile(path) || !workbookOf(path).isEmpty();
}

unsigned long currentScope() {
    return tScope;
}

Scope::Scope() {
    if (tScopeDepth++ == 0) tScope = ++gLastScope;
}

Scope::~Scope() {
    if (--tScopeDepth == 0) tScope = 0;
}

void clearAll() {
    Lookups& all = lookups();
    std::vector<void (*)()> clears;
    {
        std::lock_guard<std::mutex> guard(all.lock);
        all.entries.clear();
        clears = all.clears;
    }
    for (auto* clear : clears)
        clear();
}

void detail::onClearAll(void (*clear)()) {
    Lookups& all = lookups();
    std::lock_guard<std::mutex> guard(all.lock);
    all.clears.push_back(clear);
}

std::shared_ptr<const spread::Sheet> sheetOf(const Zrl_String& path, bool& kept,
                                             std::wstring* error) {
    kept = false;
    std::wstring reason;
    // "Book.xlsx#Sheet" when no file has that whole name: the workbook's
    // file with the sheet's name.
    Zrl_String file = workbookOf(path), part;
    if (file.isEmpty())
        file = path;
    else
        part = path.getSubStringAt(file.length());
    auto cached = cachedRead<spread::Sheet>(
        file,
        [&reason, &part](const Zrl_String&, const std::filesystem::path& resolved,
                         spread::Sheet& sheet) {
            return sheet.load(part.isEmpty()
                                  ? resolved
                                  : std::filesystem::path(resolved.string() + part.toUtf8()),
                              &reason);
        },
        &kept, detail::kMaxSheets, part);
    if (!cached && error) *error = reason.empty() ? L"cannot open " + path.str() : reason;
    return cached;
}

bool loadSheet(const Zrl_String& path, spread::Sheet& target, std::wstring* error,
               std::shared_ptr<const spread::Sheet>* source) {
    try {
        bool kept = false;
        auto cached = sheetOf(path, kept, error);
        if (!cached) return false;
        if (!kept) {
            // Nobody else holds a sheet that is not remembered: its content
            // is taken rather than copied.
            auto& own = const_cast<spread::Sheet&>(*cached);
            if (source) *source = nullptr;
            return spread::loadSheetContent(target, std::move(own), error);
        }
        if (!spread::loadSheetCopy(target, *cached, error)) return false;
        if (source) *source = std::move(cached);
        return true;
    } catch (...) {
        if (error) *error = L"out of memory while loading";
        return false;
    }
}

} // namespace filecache
