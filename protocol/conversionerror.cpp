#include "protocol/conversionerror.h"

#include "protocol/utf8.h"

namespace talvenor {

ConversionError ConversionError::invalidInteger(std::u16string_view text)
{
    return ConversionError("'" + toUtf8(text) + "' is not a valid integer value");
}

ConversionError ConversionError::invalidFloat(std::u16string_view text)
{
    return ConversionError("'" + toUtf8(text) + "' is not a valid floating point value");
}

} // namespace talvenor
