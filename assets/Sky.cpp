#include "Sky.h"

Sky::Sky(TextureBank* bank_) : bank(bank_) {
    bank->loadTexture(TEXTURE, SLOT);
}

void Sky::draw(float cx, float cy, float cz, float sx, float sy, float sz) {
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, bank->slots[SLOT]);
    const float x0 = cx - sx / 2, y0 = cy - sy / 2, z0 = cz - sz / 2;
    const float x1 = x0 + sx, y1 = y0 + sy, z1 = z0 + sz;
    glEnable(GL_TEXTURE_2D);
    // The sky is never tinted: its texels go straight to the screen, which
    // spares the renderer a colour to interpolate and multiply at each of
    // the most pixels any draw in the frame covers.
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    struct Corner {
        float s, t, x, y, z;
    };
    const Corner faces[6][4] = {
        {{1, 0, x1, y0, z0}, {1, 1, x1, y1, z0}, {0, 1, x0, y1, z0}, {0, 0, x0, y0, z0}},
        {{1, 0, x0, y0, z1}, {1, 1, x0, y1, z1}, {0, 1, x1, y1, z1}, {0, 0, x1, y0, z1}},
        {{1, 0, x0, y0, z0}, {1, 1, x0, y0, z1}, {0, 1, x1, y0, z1}, {0, 0, x1, y0, z0}},
        {{0, 1, x1, y1, z0}, {0, 0, x1, y1, z1}, {1, 0, x0, y1, z1}, {1, 1, x0, y1, z0}},
        {{1, 1, x0, y1, z0}, {0, 1, x0, y1, z1}, {0, 0, x0, y0, z1}, {1, 0, x0, y0, z0}},
        {{0, 0, x1, y0, z0}, {1, 0, x1, y0, z1}, {1, 1, x1, y1, z1}, {0, 1, x1, y1, z0}},
    };
    for (const auto& face : faces) {
        glBegin(GL_QUADS);
        for (const Corner& c : face) {
            glTexCoord2f(c.s, c.t);
            glVertex3f(c.x, c.y, c.z);
        }
        glEnd();
    }
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glBindTexture(GL_TEXTURE_2D, 0);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_LIGHTING);
}
