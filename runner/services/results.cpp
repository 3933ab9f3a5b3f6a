// The results-and-errors group: ReturnValue (11) records a result of the
// pending call; RaiseError (83) and RaiseUserError (84) end it with an error
// (the code stays in the block, which is how the library learns of the
// abort).
#include <windows.h>

#include <string>

#include "host/handle_table.h"
#include "runner/host.h"
#include "runner/services/services.h"

namespace tarvo::run {
namespace {

// What a returned record breaks of the protocol: an unknown type letter, a
// text whose handle is not a taken slot or whose length does not fit the
// handle's block; empty when nothing.
std::string Broken(Host& host, const ValueRecord& r) {
    switch (r.type) {
    case 'I': case 'N': case 'L': case 'D': case 'T': case 'Y': case '0':
        return {};
    case 'C':
    case 'H': {
        const std::uint32_t block = TableBlock(host.handleTable(), r.handle);
        if (!block) return "a text result in a handle that is not taken";
        const SIZE_T size = GlobalSize(FromAddr<void>(block));
        if (r.length < 0 || static_cast<SIZE_T>(r.length) + 2 > size)
            return "a text result longer than its handle's block";
        return {};
    }
    default:
        return std::string("a result of type letter ") + (r.type ? r.type : '?');
    }
}

}  // namespace

void ServeResults(ServiceCall& call) {
    Host& host = call.host;
    switch (call.code()) {
    case kSvcReturnValue: {
        const auto* r = call.at<const ValueRecord>(1);
        Returned ret;
        ret.type = r->type;
        ret.width = r->width;
        ret.length = r->length;
        ret.handle = (r->type == 'H' || r->type == 'C') ? r->handle : 0;
        ret.value = host.DecodeRecord(*r);
        Host::Frame* frame = host.CurrentFrame();
        if (frame && frame->protocol.empty()) frame->protocol = Broken(host, *r);
        if (frame) frame->returns.push_back(std::move(ret));
        else if (ret.handle) host.FreeHostHandle(ret.handle);
        return;
    }
    case kSvcRaiseError:
        return host.RaiseInFrame(&call.block, call.arg(1), ErrorText(call.arg(1)));
    default:  // kSvcRaiseUserError
        host.RaiseInFrame(&call.block, 1098, call.text);
        call.block.code = kSvcRaiseUserError;
        return;
    }
}

}  // namespace tarvo::run
