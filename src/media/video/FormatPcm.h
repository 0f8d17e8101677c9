#pragma once

// Interleaved signed 16-bit PCM: the one format the player hands to a device.
struct FormatPcm
{
    int frequence = 0; // samples per second
    int canaux = 0;    // 1 or 2

    int octetsParSeconde() const { return frequence * canaux * 2; }
    bool valide() const { return frequence > 0 && canaux > 0; }
    bool operator==(const FormatPcm&) const = default;
};
