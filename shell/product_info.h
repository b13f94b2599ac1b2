#pragma once
// The product's fixed texts, shown in the About box, the shortcuts' file
// names and the help menu.
#include "shell/product_version.h"

namespace velmora {

inline constexpr char ProductName[] = "Velmora";
inline constexpr char CreditLine[] = "Copyright (C) 2024-2026 Velmora developers";
inline constexpr char ContactAddress[] = "velmora@example.org";
inline constexpr char HomePageAddress[] = "https://velmora.example.org/";

} // namespace velmora
