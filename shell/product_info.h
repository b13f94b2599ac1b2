#pragma once
// The product's fixed texts, shown in the About box, the shortcuts' file
// names and the help menu.
#include "engine/product.h"

namespace velmora {

inline constexpr char CreditLine[] = "Copyright (C) 2024-2026 Velmora developers";
inline constexpr char ContactAddress[] = "velmora@example.org";
inline constexpr char HomePageAddress[] = "https://velmora.example.org/";

} // namespace velmora
