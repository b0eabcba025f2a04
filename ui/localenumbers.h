#pragma once

#include <QString>

/// Numbers as the user reads and writes them: with the separators of the user's locale (QLocale()).
namespace LocaleNumbers {

/// \brief Reads a finite floating-point number: the locale's decimal separator, an optional sign
/// and exponent, blanks at both ends; group separators are refused.
/// \throws talvenor::ConversionError "'text' is not a valid floating point value" otherwise
[[nodiscard]] double readFloat(const QString& text);

/// \brief Shows a value as "#,##0.00#####" does: thousands grouped, 2 to 7 decimals, rounded in
/// the last place; a value that rounds to zero never shows a minus sign.
[[nodiscard]] QString formatValue(double value);

/// The locale's decimal separator.
[[nodiscard]] QString decimalSeparator();

} // namespace LocaleNumbers
