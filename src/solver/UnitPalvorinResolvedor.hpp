#pragma once

// The filler that writes words into a pattern and the counter that proves a board unique.
#include "UnitPalvorinContador.hpp"
#include "UnitPalvorinPreenchedor.hpp"
