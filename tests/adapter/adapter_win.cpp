// ADAPTEST.fll: a test library whose rows exercise each parameter and result
// kind of the row adapter (host/declare.h) that no present row of TARVO.fll
// uses yet, with its failure answers. It is built from the same host code as
// TARVO.fll and loaded by the DLL tests exactly as the host loads a library.
#include <windows.h>

#include <cstring>
#include <string>

#include "host/declare.h"

namespace tarvo {
namespace {

ParamBack<1> Echo(AnyRecord) { return {}; }
ParamBack<1> EchoObject(ObjectRecord) { return {}; }

// The window's class in brackets: an empty answer shows the function was
// not called.
std::string ClassOf(Window window) {
    char name[64] = "";
    GetClassNameA(FromAddr<HWND__>(window.hwnd), name, sizeof name);
    return std::string("<") + name + ">";
}
std::string FormClass(FormWindow window) { return ClassOf(window); }

void StoreText(Ref variable, std::string_view text) { variable.StoreText(text); }
void StoreDate(Ref variable, Day date) { variable.StoreDate(date.number); }
void StoreLogical(Ref variable, bool flag) { variable.StoreLogical(flag); }
Bytes LoadText(Ref variable) { return {variable.LoadText()}; }

// The text `count` times over, in a block of host memory filled in place.
HandleText Repeat(std::string_view text, std::int32_t count) {
    const std::uint32_t size = static_cast<std::uint32_t>(text.size() * (count > 0 ? count : 0));
    WorkBuffer block(size + 1);
    for (std::uint32_t at = 0; at < size; at += static_cast<std::uint32_t>(text.size()))
        std::memcpy(block.data + at, text.data(), text.size());
    return HandleText(std::move(block), static_cast<std::int32_t>(size));
}

constexpr RowSpec kRows[] = {
    ROW("ADA_ECHO", "?", {}, Fn<Echo>)
    ROW("ADA_OBJECT", "O", {}, Fn<EchoObject>)
    ROW("ADA_WINDOW", "I", {}, Fn<ClassOf>)
    ROW("ADA_FORM", "C", {}, Fn<FormClass>)
    ROW("ADA_STORETEXT", "R,C", {}, Fn<StoreText>)
    ROW("ADA_STOREDATE", "R,D", {}, Fn<StoreDate>)
    ROW("ADA_STORELOGICAL", "R,L", {}, Fn<StoreLogical>)
    ROW("ADA_LOADTEXT", "R", {}, Fn<LoadText>)
    ROW("ADA_REPEAT", "C,I", {}, Fn<Repeat>)
    ALIAS("ADA_AGAIN", "ADA_REPEAT")
};

}  // namespace

LibraryHeader* LibraryHeaderAddress() {
    static PackedTable table{FamilyRows<kRows>()};
    return &table.header;
}

}  // namespace tarvo
