#pragma once

namespace tamo::balance::sentence {

// The verdict sentences shared by more than one kind of item.
inline constexpr const char* kOk = "ok";
inline constexpr const char* kSumTooLarge = "A tárgy bónuszainak összege túlsagosan nagy.";
inline constexpr const char* kTooMuchArmour = "A tárgy túl sok pancélzatot ad.";
inline constexpr const char* kTooValuable = "A tárgy túl értékes.";
inline constexpr const char* kTooLight = "A tárgy túl könnyű.";
inline constexpr const char* kTooMuchHms = "A tárgy túl sok hp-, mp- es spbónuszt ad.";
inline constexpr const char* kTooMuchTbsb = "A tárgy túl sok találat- és sebzésbónuszt ad.";
inline constexpr const char* kTooMuchImmunity = "A tárgy túl sok immunitást ad.";
inline constexpr const char* kTooMuchAttributes = "A tárgy túl sok tulajdonságbónuszt ad.";
inline constexpr const char* kTbSbGapTooLarge =
    "A tárgy találat- es sebzésbonusza közötti különbség túl nagy.";

}  // namespace tamo::balance::sentence
