// The DMC thread range, in row order (element 0 is row 1): each thread's
// number and its colour written as 0xRRGGBB, the way thread cards print it.

#include "palette/ThreadPalette.h"

namespace pav::palette {

namespace {

// The program keeps colours as R + 256*G + 65536*B; the table is written as 0xRRGGBB.
constexpr ThreadEntry thread(const char* number, std::uint32_t rrggbb) {
    return {number, makeRgb((rrggbb >> 16) & 255, (rrggbb >> 8) & 255, rrggbb & 255)};
}

// Five rows a line, each line marked with its first row.
// clang-format off
constexpr std::array<ThreadEntry, kThreadRows> kRows = {{
    thread("3713", 0xFFC9B8), thread("761", 0xF5B7B3), thread("760", 0xF58984), thread("3712", 0xE86D72), thread("3328", 0xD66165),  // 1
    thread("347", 0xBD151E), thread("353", 0xFDBB9B), thread("352", 0xFF7C73), thread("351", 0xED5943), thread("350", 0xDA0C0C),  // 6
    thread("349", 0xB50000), thread("817", 0xBF030E), thread("3708", 0xFF8571), thread("3706", 0xFF6E69), thread("3705", 0xF81C43),  // 11
    thread("3801", 0xED251C), thread("666", 0xE3121F), thread("321", 0xCA1A2C), thread("304", 0xB50214), thread("498", 0x87121E),  // 16
    thread("816", 0x871219), thread("815", 0x8C0810), thread("814", 0x580E12), thread("894", 0xFFADAD), thread("893", 0xFE627E),  // 21
    thread("892", 0xF7555B), thread("891", 0xF80256), thread("957", 0xFF8486), thread("956", 0xFF3771), thread("963", 0xFCB0B8),  // 26
    thread("3716", 0xFD96A8), thread("962", 0xF9768E), thread("961", 0xEE446D), thread("3833", 0xF27D82), thread("3832", 0xED4566),  // 31
    thread("3831", 0xC9124D), thread("819", 0xFFE5E5), thread("818", 0xFFD6D6), thread("776", 0xFF9B89), thread("3326", 0xFF9383),  // 36
    thread("899", 0xFF737E), thread("335", 0xE62D66), thread("309", 0xC20454), thread("326", 0xA80047), thread("3354", 0xF18F85),  // 41
    thread("3733", 0xF17A75), thread("3731", 0xD15D67), thread("3350", 0xBC0148), thread("3689", 0xF9B3A4), thread("3688", 0xD06C72),  // 46
    thread("3687", 0xCB4E61), thread("3803", 0x90315B), thread("3685", 0x95325B), thread("225", 0xFFE3D6), thread("224", 0xF2AD8C),  // 51
    thread("223", 0xD5696A), thread("3722", 0xB85958), thread("3721", 0xB84B4D), thread("211", 0xE4D0EB), thread("778", 0xD89E8F),  // 56
    thread("3727", 0xD88984), thread("316", 0xD07977), thread("3726", 0x915E6C), thread("315", 0xA35A5B), thread("3802", 0x7D4440),  // 61
    thread("902", 0x66002B), thread("3743", 0xDAC5C2), thread("3042", 0xAC90A6), thread("3041", 0x7B5A7C), thread("3740", 0x825368),  // 66
    thread("3836", 0xC39CB6), thread("3835", 0x9C5774), thread("3834", 0x6F2F5D), thread("3806", 0xFF9EBE), thread("3805", 0xDF6377),  // 71
    thread("3804", 0xBC4869), thread("605", 0xFEC8DC), thread("604", 0xFC82A4), thread("603", 0xFF479F), thread("602", 0xE4006D),  // 76
    thread("601", 0xDE3969), thread("600", 0xD0396A), thread("3609", 0xF69199), thread("3608", 0xF67492), thread("3607", 0xDE4485),  // 81
    thread("718", 0xD30780), thread("917", 0xA6217B), thread("915", 0x9A2271), thread("554", 0xD898B8), thread("553", 0xB83F98),  // 86
    thread("552", 0xB40EA4), thread("550", 0x79007A), thread("221", 0x96263A), thread("210", 0xD5B8E0), thread("209", 0xC398D2),  // 91
    thread("208", 0x8E48A6), thread("3837", 0xA80080), thread("327", 0x89006C), thread("3747", 0xE0E3F0), thread("341", 0xA0A6B0),  // 96
    thread("340", 0x9589B2), thread("3746", 0x896AB2), thread("333", 0x7F5482), thread("794", 0x6E8EB5), thread("793", 0x496494),  // 101
    thread("792", 0x2F457B), thread("791", 0x382B7A), thread("3807", 0x5C608B), thread("3840", 0xBDBEDB), thread("3839", 0x978EBD),  // 106
    thread("3838", 0x5E4F87), thread("800", 0xCAE4E8), thread("809", 0xA9AFBA), thread("799", 0x436D9F), thread("798", 0x1F5596),  // 111
    thread("797", 0x233F72), thread("796", 0x00327B), thread("820", 0x000071), thread("828", 0xC5D3D7), thread("827", 0xBED2DE),  // 116
    thread("813", 0x7D9EAF), thread("826", 0x5A7490), thread("825", 0x406996), thread("824", 0x495E91), thread("3756", 0xF0FFFF),  // 121
    thread("775", 0xCEDBED), thread("3841", 0xD6F0EE), thread("3325", 0x82A9C4), thread("3755", 0x81A7B6), thread("334", 0x6A8DA3),  // 126
    thread("322", 0x516D87), thread("312", 0x40547C), thread("311", 0x0F3E80), thread("336", 0x2E4685), thread("823", 0x00243F),  // 131
    thread("939", 0x001225), thread("3753", 0xE1E9EE), thread("3752", 0xC3C9D6), thread("932", 0x92A4B4), thread("931", 0x6C8086),  // 136
    thread("930", 0x1E6A7C), thread("3750", 0x0C5B6C), thread("996", 0x61CFEB), thread("3843", 0x1295D3), thread("995", 0x277ECD),  // 141
    thread("3846", 0x04F1E4), thread("3845", 0x01EAE0), thread("3844", 0x00C4CC), thread("3761", 0xB1DAE7), thread("519", 0x9AC3D4),  // 146
    thread("518", 0x3B84AB), thread("3760", 0x749298), thread("517", 0x5A7D8E), thread("3842", 0x146189), thread("747", 0xE1FEFA),  // 151
    thread("3766", 0x80C0BF), thread("807", 0x78A6A4), thread("806", 0x3E928E), thread("3765", 0x3E808C), thread("3811", 0xC7EDE3),  // 156
    thread("598", 0xB0D8D4), thread("597", 0x9AB3C2), thread("3810", 0x5C8A94), thread("3809", 0x3C7167), thread("3808", 0x315957),  // 161
    thread("3849", 0x58AB88), thread("3848", 0x46907B), thread("3847", 0x27624F), thread("964", 0xCFFCD9), thread("959", 0x12D8A1),  // 166
    thread("958", 0x06B27A), thread("3812", 0x379E71), thread("3851", 0x6FD183), thread("943", 0x019364), thread("3850", 0x299D41),  // 171
    thread("993", 0x7ECEAF), thread("992", 0x32BE83), thread("3814", 0x2BA670), thread("991", 0x1F7F55), thread("564", 0x82DEA1),  // 176
    thread("563", 0x54C483), thread("562", 0x0A9E57), thread("561", 0x007F38), thread("3817", 0xB8DBB8), thread("3816", 0x739977),  // 181
    thread("3815", 0x51765E), thread("504", 0xCBDBBD), thread("3813", 0xA8D6C0), thread("503", 0x83AF91), thread("502", 0x769D86),  // 186
    thread("501", 0x557868), thread("500", 0x215737), thread("928", 0xC3CFC4), thread("927", 0xB6C4B5), thread("926", 0x808980),  // 191
    thread("3768", 0x6F7D67), thread("924", 0x49634D), thread("955", 0xA1C696), thread("954", 0x82BC7D), thread("913", 0x58BB5B),  // 196
    thread("912", 0x6EAC6B), thread("911", 0x379572), thread("910", 0x218663), thread("909", 0x007757), thread("3818", 0x0C740C),  // 201
    thread("966", 0xA2C696), thread("369", 0xD9DEB2), thread("368", 0x7EAD66), thread("320", 0x6A8857), thread("367", 0x567C4A),  // 206
    thread("319", 0x346344), thread("890", 0x004D23), thread("989", 0x68AB4E), thread("988", 0x539842), thread("987", 0x427F45),  // 211
    thread("986", 0x2D6130), thread("772", 0xD5EAA9), thread("3348", 0xBACF5E), thread("3347", 0x92AF37), thread("3346", 0x608519),  // 216
    thread("3345", 0x006E18), thread("895", 0x005E00), thread("704", 0x8FAA46), thread("703", 0x779946), thread("702", 0x008000),  // 221
    thread("701", 0x167D46), thread("700", 0x047C08), thread("699", 0x087C08), thread("907", 0xADCC4D), thread("906", 0x5F9B22),  // 226
    thread("905", 0x54811F), thread("904", 0x416E1B), thread("472", 0xDBE71E), thread("471", 0x8FAF4A), thread("470", 0x708F0A),  // 231
    thread("469", 0x437019), thread("937", 0x6B6A00), thread("936", 0x685D00), thread("935", 0x4E5900), thread("934", 0x264800),  // 236
    thread("3053", 0x9CA059), thread("3052", 0x8E9E41), thread("3051", 0x4D5D2C), thread("524", 0xA5AD80), thread("523", 0x8E9E7A),  // 241
    thread("522", 0x6E8460), thread("520", 0x263E19), thread("3364", 0x8CA352), thread("3363", 0x657939), thread("3362", 0x3A502A),  // 246
    thread("3819", 0xF3E466), thread("581", 0x998400), thread("580", 0x727F00), thread("734", 0xCBC42A), thread("733", 0xAEA732),  // 251
    thread("732", 0x807C2D), thread("731", 0x68682B), thread("730", 0x526123), thread("3013", 0xBBBB90), thread("3012", 0x888E53),  // 256
    thread("3011", 0x70641F), thread("372", 0xB5A853), thread("371", 0xA7884E), thread("370", 0xA17B3F), thread("834", 0xE7C113),  // 261
    thread("833", 0xC6A110), thread("832", 0xC3910D), thread("831", 0x93730B), thread("830", 0x7E6810), thread("613", 0xC39964),  // 266
    thread("612", 0xBC8D51), thread("611", 0x8C6721), thread("610", 0x7D4E08), thread("3047", 0xF6E598), thread("3046", 0xE3C472),  // 271
    thread("3045", 0xCA9744), thread("677", 0xF0DC8C), thread("422", 0xDEBB78), thread("3828", 0xC49B5D), thread("869", 0x8C672B),  // 276
    thread("420", 0xAB7E35), thread("783", 0xE9AA44), thread("782", 0xCB8F43), thread("781", 0xB87A41), thread("780", 0xB36B31),  // 281
    thread("746", 0xFBEED6), thread("676", 0xE9B26C), thread("729", 0xD3A245), thread("680", 0xC18F2E), thread("3829", 0xAC8036),  // 286
    thread("3822", 0xFFD86D), thread("3821", 0xFEE271), thread("3820", 0xF5CC14), thread("3852", 0xEAA114), thread("445", 0xFCF88C),  // 291
    thread("307", 0xF7FF33), thread("444", 0xF9D015), thread("3078", 0xFAF08E), thread("727", 0xFCF187), thread("726", 0xFEC64D),  // 296
    thread("725", 0xFEBC2F), thread("3823", 0xFFFBC6), thread("745", 0xFBE596), thread("744", 0xFCDA51), thread("743", 0xFCD05F),  // 301
    thread("742", 0xFCBC40), thread("741", 0xFFA533), thread("740", 0xF88D2B), thread("973", 0xFBFF2E), thread("972", 0xFBC518),  // 306
    thread("971", 0xFF7600), thread("970", 0xFA7500), thread("947", 0xFC5E2B), thread("946", 0xF64700), thread("900", 0xE51700),  // 311
    thread("608", 0xFF5B00), thread("606", 0xF30000), thread("3824", 0xFF9067), thread("3341", 0xFF866D), thread("3340", 0xFF6758),  // 316
    thread("3825", 0xFFB371), thread("722", 0xFF8B43), thread("721", 0xFA6F2E), thread("720", 0xD85335), thread("921", 0xBC5823),  // 321
    thread("920", 0xA0300D), thread("919", 0x963A16), thread("918", 0x7D270C), thread("3770", 0xFFE7D1), thread("951", 0xF3D09D),  // 326
    thread("945", 0xFFC194), thread("3856", 0xF2C6A5), thread("402", 0xECA266), thread("3776", 0xD47649), thread("301", 0xB75B47),  // 331
    thread("400", 0xA23F2A), thread("300", 0x8F4D2D), thread("3855", 0xFFD78A), thread("3854", 0xFA9647), thread("3853", 0xF38902),  // 336
    thread("3827", 0xFAB15D), thread("977", 0xE88600), thread("976", 0xCF6A00), thread("3826", 0xC47637), thread("975", 0x9C6539),  // 341
    thread("948", 0xF6E6CC), thread("754", 0xF2D2B3), thread("758", 0xEBA082), thread("3778", 0xE07E65), thread("356", 0xDD6D55),  // 346
    thread("3830", 0xA1453A), thread("355", 0xBB4025), thread("3777", 0xA9040B), thread("3779", 0xFFB198), thread("3859", 0xCD8975),  // 351
    thread("3858", 0xAE4C41), thread("3857", 0x793220), thread("3774", 0xFFD9BD), thread("950", 0xEDC5B6), thread("3773", 0xDA9A82),  // 356
    thread("3064", 0xD6795A), thread("407", 0xCE795A), thread("3772", 0xBE6648), thread("632", 0xA74C2B), thread("453", 0xE5CCCD),  // 361
    thread("452", 0xB7918F), thread("451", 0xA47F7A), thread("3861", 0xB38F88), thread("3860", 0xAE7B79), thread("712", 0xF5F0DB),  // 366
    thread("739", 0xEED2B2), thread("738", 0xDFC796), thread("437", 0xE7AC57), thread("436", 0xD48D40), thread("435", 0xBF7D21),  // 371
    thread("434", 0x9A6428), thread("801", 0x7B4714), thread("898", 0x763713), thread("938", 0x632710), thread("3371", 0x532510),  // 376
    thread("543", 0xEFDABD), thread("3864", 0xCFAC91), thread("3863", 0xB17034), thread("3862", 0x97632A), thread("842", 0xDEC3A2),  // 381
    thread("841", 0x9F7C53), thread("840", 0x856D4B), thread("839", 0x70563D), thread("838", 0x4E291D), thread("3790", 0x775F12),  // 386
    thread("3781", 0x71472A), thread("3031", 0x543817), thread("5200", 0xFFFFFF), thread("0000", 0xF6E8CF), thread("822", 0xF0DDCB),  // 391
    thread("644", 0xC8B282), thread("642", 0xB29766), thread("640", 0x7F785B), thread("3033", 0xE0D6D2), thread("3782", 0xC4AA95),  // 396
    thread("3032", 0xA88D6B), thread("3024", 0xB7AE9F), thread("3023", 0xB1A286), thread("3022", 0x9E9474), thread("3787", 0x6F6252),  // 401
    thread("3021", 0x4B3F11), thread("3072", 0xD9DCDD), thread("648", 0xA2997B), thread("647", 0x938761), thread("646", 0x7B6A5A),  // 406
    thread("645", 0x605943), thread("535", 0x615338), thread("844", 0x2A261F), thread("762", 0xE7E9EA), thread("415", 0xC6C6C6),  // 411
    thread("318", 0x9693A3), thread("414", 0x687186), thread("317", 0x5C5D74), thread("413", 0x4C495F), thread("3799", 0x363441),  // 416
    thread("310", 0x000000), thread("5283", 0xA0A0A0), thread("5282", 0x977900),  // 421
}};
// clang-format on

} // namespace

const std::array<ThreadEntry, kThreadRows>& dmcThreads() {
    return kRows;
}

} // namespace pav::palette
