// The labels of CASE lines, in the two C++ forms of SELECT CASE: a switch
// on a whole number, whose labels are single numbers and constants, and an
// if/else-if chain, which compares the selector with every label in turn.
#pragma once

#include <string>

#include "convert/select_scan.h"
#include "driver/translator.h"
#include "symbols/names.h"

// Whether the CASE lines the scan found can all be labels of a switch:
// each a number, "-" and a number, or a constant with a whole-number
// value; no value twice; ELSE once, and last.
bool labelsFitSwitch(const Translator& t, const SelectAhead& ahead);

// The label of a CASE line in a switch, from its first token; the line
// must end after it, and its end is delivered again next.
std::string switchLabel(Translator& t);

// The condition of a CASE line in a chain, from its first token: each
// label compared with the selector, joined with "||". The line must end
// after the labels, and its end is delivered again next.
std::string chainTests(Translator& t, const Translator::CaseChain& chain);
