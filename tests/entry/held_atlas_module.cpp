// SPDX-License-Identifier: AGPL-3.0-or-later
// The held atlas as an atlas module, under the real module's file name.
#include "held_atlas.h"

extern "C" __attribute__((visibility("default"))) kelvra::AtlasService* kelvra_atlas_service_v1() {
  static kelvra::testing::HeldAtlas atlas;
  return &atlas;
}
