// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "social/socialsession.h"

// Finds the factory of the social-network module: the one set by setSocialSessionFactory, or the
// module's, loaded on first use from $ORIVENTA_SOCIAL_MODULE, beside the program, or from the
// library directory of an installed program. Null when the module cannot be loaded.
SocialSessionFactory socialSessionFactory();

// Replaces the module, for a program that links the social library itself.
void setSocialSessionFactory(SocialSessionFactory factory);
