// select-image: the image choice dialog through its exported starter.
//
//   { "caption": "Connection", "images": ["pictures/a.bmp", ...], "chosen": "" }
//
// Relative image paths are found from the record file's folder; the record
// comes back with the images as given, "chosen" one of them.
#include "dialog_registry.h"
#include "dialogs/dlg_select_image.h"
#include "platform/core/record_json.h"

namespace dialogs {
namespace {

using nlohmann::json;

class SelectImageSession : public RecordSession {
public:
    bool readFields(const json&, RecordReader& r, std::string&) override {
        VkSelectImageDlgData read;
        Zrl_StringArray images;
        if (!r.object({"caption", "images", "chosen"}) || !r.text("caption", read.caption) ||
            !r.texts("images", images) || !r.text("chosen", read.chosenName))
            return false;
        for (const Zrl_String& image : images)
            read.imageFiles.append(Zrl_String::fromUtf8(resolveFrom(options_, image.toUtf8())));
        given_ = images;
        data_ = read;
        return true;
    }
    json start() override { return StartDlgSelectImage(data_); }
    json record() const override {
        // The chosen file by the name the record gave it.
        Zrl_String chosen = data_.chosenName;
        int at = -1;
        if (data_.imageFiles.find(chosen, at, true) && at < given_.length()) chosen = given_[at];
        return {{"caption", toJson(data_.caption)},
                {"images", toJson(given_)},
                {"chosen", toJson(chosen)}};
    }

private:
    VkSelectImageDlgData data_;
    Zrl_StringArray given_;
};

const DialogRegistrar registrar({"select-image", "StartDlgSelectImage",
                                 "the choice of one picture among image files, as thumbnails",
                                 [] { return std::make_unique<SelectImageSession>(); }});

} // namespace
} // namespace dialogs
