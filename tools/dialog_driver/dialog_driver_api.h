// The C entry of libzrlss_dialogs.so beside the module's entry protocol:
// one request in, one reply out, both JSON text (UTF-8), so that no
// standard library type crosses the library's boundary.
//
// Requests:
//   {"list": true}
//     reply {"dialogs": [{"name", "starter", "description"}, ...]}, answer 0
//   {"name": "genvars", "record": "<JSON text>", "script": "<text>",
//    "sheet": "FILE", "base": "FOLDER", "png": "OUT.png", "scale": 2}
//                                                (all but "name" optional)
//     reply {"status", "message", "result", "record", "shown"}; the answer
//     is the status (0 done, 1 refused, 2 bad script, 3 failed check).
// A request that is not such JSON answers 1 with a reply holding "message".
// The reply is the caller's to free with zrlssFreeReply.
#pragma once

extern "C" {
using ZrlssRunDialogFn = int (*)(const char* requestJson, char** replyJson);
using ZrlssFreeReplyFn = void (*)(char* replyJson);
}

inline constexpr const char* kRunDialogSymbol = "zrlssRunDialog";
inline constexpr const char* kFreeReplySymbol = "zrlssFreeReply";
