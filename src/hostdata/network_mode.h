// The network mode flag: .F. at load, set by NET_SETNET; when it is on,
// table replacements lock the record first (DBF_REPLACE reads it).
#pragma once

namespace tarvo {

bool& NetworkMode();

}  // namespace tarvo
