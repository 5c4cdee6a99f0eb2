// The web backend's files from the visitor: while the window accepts files (DragAcceptFiles), a
// file dropped on the canvas, or chosen with the file picker the page then shows under it, is
// written into the program's file system (dropped/NAME) and the window gets WM_DROPFILES with
// its name, as a desktop window gets a file dropped from the file manager.
#include "vynWebState.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <string>
#include <vector>

namespace vyn {

namespace {

// The names of the files being handed over, one a line; the page writes them here.
std::string& DropNames() {
    static std::string names;
    return names;
}

} // namespace

// JavaScript: clang-format would split its arrows.
// clang-format off
EM_JS(void, vyn_web_accept_files, (int accept), {
    const canvas = document.getElementById("canvas");
    let files = Module.vynDropTarget;
    if (!files) {
        const take = function(chosen) {
            const list = Array.from(chosen || []);
            if (!list.length)
                return;
            Promise.all(list.map(function(file) {
                return file.arrayBuffer().then(function(bytes) {
                    FS.mkdirTree("dropped");
                    const name = "dropped/" + file.name.split("/").join("_");
                    FS.writeFile(name, new Uint8Array(bytes));
                    return name;
                });
            })).then(function(names) {
                const text = names.join("\n");
                const size = lengthBytesUTF8(text) + 1;
                stringToUTF8(text, _vyn_web_drop_names(size), size);
                _vyn_web_files_dropped();
            }, function(error) { console.error("a dropped file could not be read: " + error); });
        };
        const picker = document.createElement("input");
        picker.type = "file";
        picker.id = "vyn-open-file";
        picker.multiple = true;
        picker.addEventListener("change", function() { take(picker.files); picker.value = ""; });
        canvas.insertAdjacentElement("afterend", picker);
        files = Module.vynDropTarget = {
            picker: picker,
            over: function(event) { event.preventDefault(); },
            drop: function(event) { event.preventDefault(); take(event.dataTransfer.files); },
        };
    }
    canvas.removeEventListener("dragover", files.over);
    canvas.removeEventListener("drop", files.drop);
    if (accept) {
        canvas.addEventListener("dragover", files.over);
        canvas.addEventListener("drop", files.drop);
    }
    files.picker.hidden = !accept;
});
// clang-format on

// The page's room for `bytes` of names (their terminating zero included).
extern "C" EMSCRIPTEN_KEEPALIVE char* vyn_web_drop_names(int bytes) {
    DropNames().assign(bytes > 0 ? static_cast<size_t>(bytes) : 1, '\0');
    return DropNames().data();
}

// The files are in the file system: their names go to the window, if it still accepts them.
extern "C" EMSCRIPTEN_KEEPALIVE void vyn_web_files_dropped() {
    std::vector<std::string> files;
    std::string names = DropNames().c_str();
    size_t start = 0;
    while (start < names.size()) {
        const size_t end = std::min(names.find('\n', start), names.size());
        files.push_back(names.substr(start, end - start));
        start = end + 1;
    }
    if (Web().Window != nullptr)
        Web().Drops.Drop(Web().System, Web().Window, std::move(files));
    WakeWaiter();
}

void VYN_WINAPI Web_DragAcceptFiles(HWND window, BOOL accept) {
    if (!DroppedFiles::Accept(Web().System, window, accept) || window != Web().Window)
        return;
    vyn_web_accept_files(accept ? 1 : 0);
    FollowPage(); // the picker shown or hidden under the canvas moves the rest of the page
}

} // namespace vyn
