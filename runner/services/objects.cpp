// The object group: SetObjectProperty (122) sets a property of a host object
// (the object record carries the object's id in its integer field), adding
// it when the create flag is 1 and the object lacks it. Answers 0 on
// success, 1 when the object is gone, the name is no property name, or the
// property is missing and may not be added; a by-reference record is no
// value and is refused the same way.
#include "runner/host.h"
#include "runner/services/services.h"

namespace tarvo::run {

void ServeObjects(ServiceCall& call) {
    Host& host = call.host;
    const auto* object = call.at<const ValueRecord>(1);
    const auto* value = call.at<const ValueRecord>(3);
    if (!object || object->type != 'O' || !value || value->type == 'R' || !host.hooks.setObjectProperty)
        return call.Answer(1);
    const char* name = call.at<const char>(2);
    if (!name) return call.Answer(1);
    call.Answer(host.hooks.setObjectProperty(object->integer, name, host.DecodeRecord(*value),
                                             call.arg(4) == 1));
}

}  // namespace tarvo::run
