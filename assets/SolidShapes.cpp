#include "SolidShapes.h"

#include <GL/glu.h>

#include <list>

namespace {

struct Entry {
    GLuint list;
    double radius;
    double height;
};

// Most recently used first.
std::list<Entry>& cache() {
    static std::list<Entry> entries;
    return entries;
}

void compileCylinder(double radius, double height) {
    glPushMatrix();
    glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
    glTranslatef(0.0f, 0.0f, -1.0f);
    GLUquadric* quadric = gluNewQuadric();
    gluQuadricDrawStyle(quadric, GLU_FILL);
    gluQuadricNormals(quadric, GLU_SMOOTH);
    gluCylinder(quadric, radius, radius, height, 12, 2);
    gluDeleteQuadric(quadric);   // the list holds the geometry; the quadric is done
    glPopMatrix();
}

}

void solidCylinder(double radius, double height) {
    std::list<Entry>& entries = cache();
    for (auto it = entries.begin(); it != entries.end(); ++it) {
        if (it->radius == radius && it->height == height) {
            entries.splice(entries.begin(), entries, it);
            glCallList(it->list);
            return;
        }
    }
    if (entries.size() >= CylinderCache::CAPACITY) {
        glDeleteLists(entries.back().list, 1);
        entries.pop_back();
    }
    const GLuint list = glGenLists(1);
    entries.push_front({list, radius, height});
    glNewList(list, GL_COMPILE_AND_EXECUTE);
    compileCylinder(radius, height);
    glEndList();
}

size_t CylinderCache::size() {
    return cache().size();
}

GLuint CylinderCache::listFor(double radius, double height) {
    for (const Entry& e : cache()) {
        if (e.radius == radius && e.height == height) return e.list;
    }
    return 0;
}

void CylinderCache::clear() {
    for (const Entry& e : cache()) glDeleteLists(e.list, 1);
    cache().clear();
}
