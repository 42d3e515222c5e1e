#include "World.h"

#include "entities/EnemyShip.h"
#include "entities/Line.h"
#include "entities/MyShip.h"
#include "entities/Random.h"

#include <cstdio>
#include <cstring>

namespace {

bool isType(const SpaceObject* object, const char* type) {
    return std::strcmp(object->getTypeName(), type) == 0;
}

void say(const char* text) {
    std::fputs(text, stdout);
    std::fflush(stdout);
}

}

World::World(TextureBank* bank, const SoundChoice& soundChoice) : textureBank(bank) {
    if (!soundChoice.enabled) return;
    if (!sound.open(44100, 32)) say("Error Initing Sound\n");
    loadSample("../bin/data/Sounds/laser.wav");
    loadSample("../bin/data/Sounds/explosion.mp3");
    loadSample("../bin/data/Sounds/nearExplosion.mp3");
    // Kept apart from the numbered samples, so that it never moves into a
    // missing one's number.
    hitSound = sound.loadSample("../bin/data/Sounds/hit.wav");
    if (!hitSound) say("Error Loading Sound File ../bin/data/Sounds/hit.wav\n");
    levels = soundChoice;
    sound.setEffectsVolume(soundChoice.effectsVolume);
    if (!soundChoice.music) return;
    music = sound.loadMusic("../bin/data/Sounds/invtro94.s3m");
    if (!music) {
        say("Error loading Background Music!\n");
    } else {
        // The music's own level is 100 of the mixer's 256.
        sound.setMusicVolume(100 * soundChoice.musicVolume / 100);
    }
}

void World::setSoundLevels(const SoundChoice& choice) {
    sound.setEffectsVolume(choice.effectsVolume);
    if (music) sound.setMusicVolume(100 * choice.musicVolume / 100);
    if (music && choice.musicOn != levels.musicOn) sound.pauseMusic(!choice.musicOn);
    levels = choice;
}

World::~World() {
    for (SoundDevice::Sample s : samples) sound.freeSample(s);
    if (hitSound) sound.freeSample(hitSound);
    sound.freeMusic(music);
    sound.close();
    explosions.clear();
    for (SpaceObject* object : objects) delete object;
}

int32_t World::add(SpaceObject* object) {
    objects.push_back(object);
    if (isType(object, "MyShip")) player = static_cast<MyShip*>(object);
    return ++added;
}

SpaceObject* World::objectAt(unsigned index) const {
    return index < objects.size() ? objects[index] : nullptr;
}

SpaceObject* World::findById(int32_t id) const {
    for (SpaceObject* object : objects) {
        if (object->getWorldId() == id) return object;
    }
    return nullptr;
}

SpaceObject* World::findPlayer() const {
    for (SpaceObject* object : objects) {
        if (isType(object, "MyShip")) return object;
    }
    return nullptr;
}

void World::render() {
    frustum.calculate();
    for (size_t i = 0; i < objects.size(); ++i) {
        SpaceObject* object = objects[i];
        object->draw(frustum.sphereInFrustum(object->getPosition(), object->getRadius()), drawMode);
    }
}

void World::updateEnemyShips(float timeFactor) {
    SpaceObject* target = findPlayer();
    for (size_t e = 0; e < objects.size(); ++e) {
        if (!isType(objects[e], "EnemyShip")) continue;
        EnemyShip* enemy = static_cast<EnemyShip*>(objects[e]);
        const Vector3 position = enemy->getPosition();
        const Vector3 direction = enemy->getDirection();
        SpaceObject* contact = nullptr;
        float gap = -1.0f;
        for (size_t o = 0; o < objects.size(); ++o) {
            SpaceObject* other = objects[o];
            if (other == enemy) continue;
            const Vector3 otherPosition = other->getPosition();
            float d = (position - otherPosition).length() - other->getRadius() - enemy->getRadius();
            if (static_cast<float>(other->getMargin()) > d) {
                contact = other;
                break;
            }
            d -= static_cast<float>(other->getMargin());
            if (d > 50.0f) continue;
            const float now = (position - otherPosition).length();
            const float next = ((position + direction) - (otherPosition + other->getDirection())).length();
            if (!(now > next)) continue;
            const Line course = Line::fromPointAndDirection(position, direction);
            const double reach = double(enemy->getRadius()) + other->getRadius() + 0.9 * other->getMargin();
            if (course.distanceToPoint(otherPosition) <= reach) gap = d;
        }
        enemy->update(target, timeFactor, contact, gap);
    }
}

World::Destroyed World::removeDestroyed() {
    Destroyed destroyed;
    // The explosions are placed and the rewards paid through the player's ship.
    for (size_t i = 1; player && i < objects.size();) {
        SpaceObject* x = objects[i];
        if (x->getEnergy() > 0.0f) {
            ++i;
            continue;
        }
        const Vector3 at = x->getPosition() - player->getDirection() * (x->getRadius() * 2.0f);
        addExplosion(player, Vector3(0, 0, 0), at, x->getWorldId());
        const bool enemy = isType(x, "EnemyShip");
        if (enemy) {
            player->setEnergy(static_cast<int>(player->getEnergy() + 80.0f));
            player->addPoints(80.0f);
            ++destroyed.enemies;
        }
        if (enemy && rewards.enemiesReturn) {
            x->setEnergy(100);
            float signs[3];
            for (float& s : signs) s = randomInRange(-1, 1) > 0 ? 1.0f : -1.0f;
            x->setPosition(Vector3(1500.0f * signs[0], 1500.0f * signs[1], 1500.0f * signs[2]));
            ++i;
        } else {
            objects.erase(objects.begin() + static_cast<long>(i));
            x->destroy();
            if (!enemy) {
                ++destroyed.rocks;
                if (rewards.rockPoints != 0.0f) player->addPoints(rewards.rockPoints);
            }
        }
        playSample(1);
    }
    advanceExplosions();
    return destroyed;
}

int World::addExplosion(Ship*, const Vector3& offset, const Vector3& anchor, int32_t targetId) {
    explosions.push_back(std::make_unique<Explosion>(offset, anchor, targetId,
                                                     textureBank ? textureBank->slots.data() : nullptr, now,
                                                     textureBank ? textureBank->litAreas.data() : nullptr));
    return static_cast<int>(explosions.size()) - 1;
}

void World::advanceExplosions() {
    for (size_t i = 0; i < explosions.size();) {
        Explosion& explosion = *explosions[i];
        if (explosion.isFinished()) {
            explosions.erase(explosions.begin() + static_cast<long>(i));
            continue;
        }
        explosion.advanceAnimation(static_cast<int32_t>(now - explosion.getLastTick()));
        explosion.setLastTick(now);
        const SpaceObject* target = findById(explosion.getTargetId());
        if (target && explosion.getOffset() != Vector3(0, 0, 0)) explosion.setAnchor(target->getPosition());
        ++i;
    }
}

void World::drawExplosions() {
    if (!player) return;
    for (const auto& explosion : explosions) explosion->draw(player->getFrame().m);
}

bool World::loadSample(const char* path) {
    const SoundDevice::Sample sample = sound.loadSample(path);
    if (!sample) {
        std::printf("Error Loading Sound File %s\n", path);
        std::fflush(stdout);
        return false;
    }
    samples.push_back(sample);
    return true;
}

void World::playSample(unsigned number) {
    if (number < samples.size()) sound.play(samples[number], 5);
}

void World::playHitSound() {
    if (hitSound) sound.play(hitSound, 3);
}

void World::startMusic() {
    sound.playMusicLooping(music);
    if (!levels.musicOn) sound.pauseMusic(true);
}
