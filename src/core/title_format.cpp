#include "core/title_format.h"
#include "core/setup_context.h"
#include "foundation/placeholder_format.h"

char* FormatWithTitle(const char* pattern, const char* argument2, const char* argument3,
                      const char* argument4)
{
    return FormatPlaceholders(pattern, CurrentTitle(), argument2, argument3, argument4);
}
