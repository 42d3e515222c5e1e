#pragma once

#include "tools/Ms3dWriter.h"

#include <string>

namespace Models {

// A lumpy rock of one mesh with smooth normals and spherical texture
// coordinates, 768 triangles, whose farthest vertex lies `radius` model units
// from its centre.
Ms3dData asteroid(int variant, double radius, const std::string& texture);

// Our fighter, nose towards -z, about 500 model units long: fuselage, canopy,
// swept wings, two engines and a fin. Both ship parts share this geometry and
// differ only in the texture of their one material.
Ms3dData fighter(const std::string& texture);

}
