// The results-and-errors group: ReturnValue (11) records a result of the
// pending call; RaiseError (83) and RaiseUserError (84) end it with an error
// (the code stays in the block, which is how the library learns of the
// abort).
#include "runner/host.h"
#include "runner/services/services.h"

namespace tarvo::run {

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
        if (Host::Frame* frame = host.CurrentFrame()) frame->returns.push_back(std::move(ret));
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
