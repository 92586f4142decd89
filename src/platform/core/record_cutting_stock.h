// DlgCSP2Data as JSON: a cutting-stock record.
//
//   {
//     "resultMode": false,
//     "profiles": [ { "id": 1, "name": "HEA200" } ],
//     "pieces":   { "titles": ["Mark", "Length", "Quantity"],
//                   "rows": [ { "profile": 1, "cells": ["B1", "4200", "2"] } ] },
//     "shop":     { "titles": [...], "rows": [...] },
//     "purchase": { "titles": [...], "rows": [...] }
//   }
//
// Every field may be left out (false, an empty list). A profile id may be
// given once only; rows may name any id (rows of an unknown profile are
// kept as they are). Writing gives every field.
#pragma once

#include "platform/core/cutting_stock_data.h"

#include <string>
#include <string_view>

// Reads the record from JSON text; false with a one-line reason naming the
// field ("profiles[1].id: profile id 3 given twice"), `data` then unchanged.
bool readCuttingStockJson(std::string_view json, DlgCSP2Data& data, std::string& error);
std::string writeCuttingStockJson(const DlgCSP2Data& data);
