// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The switch of the automatic update checks, without the updater that runs them: the start that
// decides whether anything is to be done reads it before the network and widget libraries are loaded.
namespace Ferrule {

// Off until the user asks for it: no network traffic unasked.
bool isAutoCheckOn();
void setAutoCheckOn(bool on);

} // namespace Ferrule
