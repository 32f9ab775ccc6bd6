#include "app/fontsahead.h"

#include <fontconfig/fontconfig.h>

namespace velmora {

FontConfigAhead::FontConfigAhead() : job_([] { return FcInit() == FcTrue; }) {}

void FontConfigAhead::wait()
{
    // A failed read is fontconfig's to report again, when Qt asks for it.
    (void)job_.wait();
}

} // namespace velmora
