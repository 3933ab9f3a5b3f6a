// Editor windows of the host, by slot: each function is one editor service
// of the host for the slot's window.
#include <algorithm>
#include <cstring>

#include "host/declare.h"
#include "hostdata/editors.h"

namespace tarvo {

// An editor slot parameter, as the host's window of a slot in use. A free
// slot or one outside 0 to 49 is not usable: the row answers -1, .F. or the
// empty text without asking the host.
struct Editor {
    std::int32_t slot = -1;
    std::int32_t window = -1;
};

template <>
struct In<Editor> {
    static constexpr char letter = 'I';
    static constexpr std::int32_t failedInteger = -1;
    Editor value;
    void Read(ParamBlock* p, int n) {
        value.slot = IntParam(p, n);
        value.window = Editors().WindowOf(value.slot);
    }
    bool usable() const { return value.window != -1; }
    Editor get() const { return value; }
};

namespace {

EditorEnvironmentRecord Environment(Editor e) {
    EditorEnvironmentRecord r{};
    EditorEnvironment(e.window, &r, 1);
    r.fileName[sizeof r.fileName - 1] = '\0';
    r.fontName[sizeof r.fontName - 1] = '\0';
    return r;
}

std::int32_t EdiOpen(const char* name) {
    const std::int32_t slot = Editors().FirstFree();
    if (slot < 0) return -1;
    const std::int32_t window = EditorOpenFile(name, 2);
    if (window > 0) Editors().slots[slot] = {window, name};
    return slot;
}

std::int32_t EdiClose(Editor e) {
    const std::int32_t answer = EditorCloseFile(e.window);
    Editors().slots[e.slot].window = -1;
    return answer;
}

bool EdiSave(Editor e) {
    EditorSave(e.window);
    return true;
}

template <int Action>
bool EditAction(Editor e) {
    EditorAction(e.window, Action);
    return true;
}

bool EdiDelete(Editor e) {
    EditorSendKey(e.window, 0, 1);
    return true;
}

bool EdiSendKey(Editor e, char key) {
    EditorSendKey(e.window, static_cast<signed char>(key), 0);
    return true;
}

bool EdiInsert(Editor e, std::string_view text) {
    EditorInsert(e.window, text.data(), static_cast<std::int32_t>(text.size()));
    return true;
}

std::int32_t EdiGetPos(Editor e) { return EditorPosition(e.window, 0, 3); }

bool EdiSetPos(Editor e, std::int32_t position) {
    EditorPosition(e.window, position, 0);
    return true;
}

std::int32_t EdiGetLinePos(Editor e, std::int32_t line) { return EditorPosition(e.window, line, 1); }

std::int32_t EdiGetLineNum(Editor e, Opt<std::int32_t> position) {
    return EditorPosition(e.window, position.present ? position.value : EdiGetPos(e), 2);
}

bool EdiPosInView(Editor e, Opt<std::int32_t> position) {
    return EditorPositionInView(e.window, position.present ? position.value : EdiGetPos(e)) != 0;
}

bool EdiSelect(Editor e, std::int32_t start, std::int32_t end) {
    EditorSelect(e.window, start, end);
    return true;
}

bool EdiGroupUndo(Editor e, bool group) {
    EditorGroupUndo(e.window, group ? 1 : 0);
    return true;
}

bool EdiDirty(Editor e) { return Environment(e).modified != 0; }
std::string EdiFileName(Editor e) { return Environment(e).fileName; }
std::string EdiFullFileName(Editor e) { return Editors().slots[e.slot].fileName; }

// A flag of the environment record: answered, and replaced when a logical
// came as parameter 2.
template <std::int16_t EditorEnvironmentRecord::*Flag>
bool EnvironmentFlag(Editor e, OptTyped<bool> set) {
    EditorEnvironmentRecord r = Environment(e);
    const bool was = r.*Flag != 0;
    if (set.present) {
        r.*Flag = set.value ? 1 : 0;
        EditorEnvironment(e.window, &r, 0);
    }
    return was;
}

// The font name: answered, and replaced (cut to its field) when a text came.
std::string EdiFontName(Editor e, OptTyped<const char*> set) {
    EditorEnvironmentRecord r = Environment(e);
    std::string was = r.fontName;
    if (set.present) {
        const std::size_t n = std::min(std::strlen(set.value), sizeof r.fontName - 1);
        std::memcpy(r.fontName, set.value, n);
        r.fontName[n] = '\0';
        EditorEnvironment(e.window, &r, 0);
    }
    return was;
}

constexpr RowSpec kRows[] = {
#include "hostdata/editors_rows.h"
};

}  // namespace

Family EditorFunctions() { return FamilyRows<kRows>(); }

}  // namespace tarvo
