// The variable group: LoadVariable (30) and StoreVariable (29). Both answer 0
// or a negative host error number, which the library raises negated.
#include <cstring>

#include "runner/host.h"
#include "runner/services/services.h"

namespace tarvo::run {

void ServeVariables(ServiceCall& call) {
    Host& host = call.host;
    const auto* loc = call.at<const VariableLocator>(1);
    std::uint32_t id;
    std::memcpy(&id, loc->reference, 4);
    bool load = call.code() == kSvcLoadVariable;
    int fault = load ? host.faults.loadVariableError : host.faults.storeVariableError;
    if (fault) return call.Answer(-fault);
    if (loc->workArea != -1) return call.Answer(-12);

    if (load) {
        auto* rec = call.at<ValueRecord>(2);
        Value v;
        int err = 0;
        if (host.hooks.loadVariable) err = host.hooks.loadVariable(id, v);
        else if (auto it = host.variables.values.find(id); it != host.variables.values.end()) v = it->second;
        else err = -12;
        if (err) return call.Answer(err);
        host.FillRecord(v, rec);
        if ((v.type == 'C' || v.type == 'M') && rec->handle == 0) return call.Answer(-182);
        return call.Answer(0);
    }
    Value v = host.DecodeRecord(*call.at<const ValueRecord>(2));
    if (host.hooks.storeVariable) return call.Answer(host.hooks.storeVariable(id, v));
    host.variables.values[id] = v;
    call.Answer(0);
}

}  // namespace tarvo::run
