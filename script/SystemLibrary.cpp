// Registration of the system functions; the functions themselves join as they land.
#include "script/SystemLibrary.h"

namespace systemlib {

void open(lua_State*) {}

}  // namespace systemlib
