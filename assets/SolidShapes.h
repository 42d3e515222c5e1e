#pragma once

#include <GL/gl.h>

#include <cstddef>

// Draws an open tube about the y axis from y = 1 down to y = 1 - height, with
// smooth outward normals, using the current matrices, colour and material.
// Each distinct (radius, height) is compiled into a display list once; the 64
// most recently used lists are kept, so shots of ever new lengths cannot grow
// the cache without bound.
void solidCylinder(double radius, double height);

// The cache behind solidCylinder, exposed for tests.
class CylinderCache {
public:
    static constexpr size_t CAPACITY = 64;
    static size_t size();
    static GLuint listFor(double radius, double height);   // 0 when not cached
    static void clear();                                   // deletes every list
};
