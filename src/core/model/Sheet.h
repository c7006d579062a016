#pragma once
// The inspector rows of a kind, walked from its family's table: the text of a row and the setting
// of a typed text, with the conversions and checks every family shares.
#include <optional>
#include <string>
#include <string_view>

#include "Design.h"

namespace tw {

class Designer;
class Family;
class FormDocument;

// The framework's strict integer conversion: an optional sign and decimal digits that fit 32 bits.
std::optional<int> strictInteger(std::string_view text);
std::string notAnInteger(std::string_view text);  // "'12a' is not a valid integer value"

// Why a text cannot be kept in a form file (characters outside Windows-1252, line breaks and
// other control characters); empty when it can.
std::string textError(std::string_view text);

std::string rowText(Designer& d, FormDocument& form, Control& c, const Family& fam, const RowDef& row);
// Applies a text; false when nothing was applied (refused with a message, or a word that the row
// does not know).
bool setRow(Designer& d, FormDocument& form, Control& c, const Family& fam, const RowDef& row,
            const std::string& text);

// Sets the starting values of a kind on a new control; x and y are the click position.
void applyStart(Control& c, const std::vector<Init>& start, int x, int y);

}  // namespace tw
