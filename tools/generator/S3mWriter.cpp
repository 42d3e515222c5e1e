#include "S3mWriter.h"

#include "tools/ByteWriter.h"

namespace {

void align16(ByteWriter& out) {
    while (out.size() % 16) out.u8(0);
}

std::vector<uint8_t> packPattern(const S3mModule::Pattern& pattern) {
    std::vector<uint8_t> packed;
    for (const auto& row : pattern) {
        for (size_t channel = 0; channel < row.size(); ++channel) {
            const S3mModule::Cell& c = row[channel];
            uint8_t what = uint8_t(channel);
            if (c.note != 255 || c.instrument != 0) what |= 0x20;
            if (c.volume != 255) what |= 0x40;
            if (c.command != 0) what |= 0x80;
            if ((what & 0xE0) == 0) continue;
            packed.push_back(what);
            if (what & 0x20) {
                packed.push_back(c.note);
                packed.push_back(c.instrument);
            }
            if (what & 0x40) packed.push_back(c.volume);
            if (what & 0x80) {
                packed.push_back(c.command);
                packed.push_back(c.info);
            }
        }
        packed.push_back(0);   // end of row
    }
    return packed;
}

}

std::vector<uint8_t> encodeS3m(const S3mModule& m) {
    ByteWriter out;
    std::vector<uint8_t> orders = m.orders;
    orders.push_back(255);   // end of song
    if (orders.size() % 2) orders.push_back(255);   // players expect an even count

    out.text(m.title, 28);
    out.u8(0x1A);
    out.u8(16);   // module
    out.u16(0);
    out.u16(static_cast<uint32_t>(orders.size()));
    out.u16(static_cast<uint32_t>(m.instruments.size()));
    out.u16(static_cast<uint32_t>(m.patterns.size()));
    out.u16(0);        // flags
    out.u16(0x1320);   // written as by Scream Tracker 3.20
    out.u16(2);        // unsigned samples
    out.tag("SCRM");
    out.u8(m.globalVolume);
    out.u8(m.initialSpeed);
    out.u8(m.initialTempo);
    out.u8(m.masterVolume);
    out.u8(0);      // click removal
    out.u8(0xFC);   // pan table follows
    for (int i = 0; i < 8; ++i) out.u8(0);
    out.u16(0);     // no special data
    for (size_t ch = 0; ch < 32; ++ch) {
        // Voices alternate between the left (0-7) and right (8-15) banks; the
        // pan table then places each one exactly.
        if (ch < m.channelPans.size() && ch < 16) out.u8(ch % 2 ? 8 + ch / 2 : ch / 2);
        else out.u8(255);
    }
    for (uint8_t o : orders) out.u8(o);
    const size_t instrumentPointers = out.bytes.size();
    for (size_t i = 0; i < m.instruments.size(); ++i) out.u16(0);
    const size_t patternPointers = out.bytes.size();
    for (size_t i = 0; i < m.patterns.size(); ++i) out.u16(0);
    for (size_t ch = 0; ch < 32; ++ch) out.u8(ch < m.channelPans.size() ? 0x20 | (m.channelPans[ch] & 15) : 0);

    std::vector<size_t> sampleFields;
    for (size_t i = 0; i < m.instruments.size(); ++i) {
        const S3mModule::Instrument& ins = m.instruments[i];
        align16(out);
        out.set16(instrumentPointers + 2 * i, static_cast<uint32_t>(out.bytes.size() / 16));
        out.u8(1);   // sample
        out.text(ins.name.substr(0, 8) + ".SMP", 12);
        sampleFields.push_back(out.bytes.size());
        out.u8(0);
        out.u16(0);   // parapointer to the data, filled in below
        out.u32(static_cast<uint32_t>(ins.data.size()));
        out.u32(ins.loopStart);
        out.u32(ins.loop ? ins.loopEnd : 0);
        out.u8(ins.volume);
        out.u8(0);
        out.u8(0);   // not packed
        out.u8(ins.loop ? 1 : 0);
        out.u32(ins.c2Speed);
        for (int k = 0; k < 12; ++k) out.u8(0);
        out.text(ins.name, 28);
        out.tag("SCRS");
    }
    for (size_t i = 0; i < m.patterns.size(); ++i) {
        align16(out);
        out.set16(patternPointers + 2 * i, static_cast<uint32_t>(out.bytes.size() / 16));
        const std::vector<uint8_t> packed = packPattern(m.patterns[i]);
        out.u16(static_cast<uint32_t>(packed.size() + 2));
        out.bytes.insert(out.bytes.end(), packed.begin(), packed.end());
    }
    for (size_t i = 0; i < m.instruments.size(); ++i) {
        align16(out);
        const uint32_t para = static_cast<uint32_t>(out.bytes.size() / 16);
        out.bytes[sampleFields[i]] = uint8_t(para >> 16);
        out.set16(sampleFields[i] + 1, para & 0xFFFF);
        out.bytes.insert(out.bytes.end(), m.instruments[i].data.begin(), m.instruments[i].data.end());
    }
    return out.bytes;
}
