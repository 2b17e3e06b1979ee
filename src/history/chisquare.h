// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

namespace history {

// The chance that a chi-square variable of `df` degrees of freedom is at
// least `x`: the p-value of a goodness-of-fit test.
double chiSquareTail(double x, int df);

} // namespace history
