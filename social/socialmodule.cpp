// SPDX-License-Identifier: GPL-3.0-or-later
// The entry point of the loadable module that carries the social-network import.
#include "social/socialsession.h"

extern "C" Q_DECL_EXPORT SocialSession *oriventaCreateSocialSession(const SocialSession::Callbacks &callbacks)
{
    return createSocialSession(callbacks);
}
