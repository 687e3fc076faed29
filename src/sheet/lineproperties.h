// What the catalogue tells of an item, for the current line: its dimensions
// and, where its table gives them, its section properties.
#pragma once

#include "catalogue/item.h"

namespace msweight {

// "D 200 mm, B 100 mm, tw 5.7 mm, tf 10.8 mm; A 32.33 cm2; Ixx 2235.4 cm4, ..."
QString PropertiesText(const Item &item);

} // namespace msweight
