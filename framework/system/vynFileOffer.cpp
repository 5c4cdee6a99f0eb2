#include "vynFileOffer.h"

#ifdef __EMSCRIPTEN__
#include <emscripten/emscripten.h>

// A link to the file's bytes, clicked at once, then let go of; 0 when the file cannot be read.
// clang-format off
EM_JS(int, vyn_offer_file, (const char* path), {
    const name = UTF8ToString(path);
    let bytes;
    try { bytes = FS.readFile(name); } catch (error) { return 0; }
    const link = document.createElement("a");
    link.href = URL.createObjectURL(new Blob([bytes], {type: "application/octet-stream"}));
    link.download = name.split("/").pop();
    link.id = "vyn-offered-file";
    document.body.appendChild(link);
    link.click();
    setTimeout(() => { URL.revokeObjectURL(link.href); link.remove(); }, 60000);
    return 1;
});
// clang-format on
#endif

namespace vyn {

bool OfferFile([[maybe_unused]] const std::string& path) {
#ifdef __EMSCRIPTEN__
    return vyn_offer_file(path.c_str()) != 0;
#else
    return true;
#endif
}

} // namespace vyn
