// Information and storage; base unit bit.
#include "catalog/builders/rows.h"

namespace {
using namespace quarnelo::catalog;

constexpr Row kRows[] = {
    // One joule per kelvin of entropy is 1/(k*ln 2) bit, Boltzmann constant k = 1,380649E-23 J/K
    // (exact since 2019); ban and nat are log2(10) and log2(e) bit.
    Group("Allgemein", "General"),
    Pair("Joule per Kelvin", "Joule pro Kelvin", "J/K", "1,0449397644795769E23"),
    Both("Bit (Binary Digit)", "bit", "1"),
    Both("Nibble/Nybble/Nyble", "", "4"),
    Both("Byte", "B", "8"),
    Both("Shannon", "Sh", "1"),
    Both("Ban/Hartley/Hart/Decit/Dit (Decimal Digit)", "ban", "3,3219280948873623"),
    Both("Deziban", "db", "0,33219280948873623"),
    Both("Nit/Nat/Nepit/Naperian Digit/Natural Ban", "nit", "1,4426950408889634"),
    Both("Hexadecimal Digit", "", "4"),
    Both("Octal Digit", "", "3"),
    Both("Crumb", "", "2"),
    Both("Slab", "", "13"),
    Both("Nonet", "", "9"),

    // SI prefixes: powers of 1000 bytes.
    Group("Byte Dezimal", "Byte Decimal"),
    Both("Kilobyte", "kB", "8000"),
    Both("Megabyte", "MB", "8E6"),
    Both("Gigabyte", "GB", "8E9"),
    Both("Terabyte", "TB", "8E12"),
    Both("Petabyte", "PB", "8E15"),
    Both("Exabyte", "EB", "8E18"),
    Both("Zettabyte", "ZB", "8E21"),
    Both("Yottabyte", "YB", "8E24"),

    // IEC binary prefixes: powers of 1024 bytes.
    Group("Byte Binär", "Byte Binary"),
    Both("Kilobyte (Kibibyte) (2^10 Byte)", "KiB", "8*2^10"),
    Both("Megabyte (Mebibyte) (2^20 Byte)", "MiB", "8*2^20"),
    Both("Gigabyte (Gibibyte) (2^30 Byte)", "GiB", "8*2^30"),
    Both("Terabyte (Tebibyte) (2^40 Byte)", "TiB", "8*2^40"),
    Both("Petabyte (Pebibyte) (2^50 Byte)", "PiB", "8*2^50"),
    Both("Exabyte (Exbibyte) (2^60 Byte)", "EiB", "8*2^60"),
    Both("Zettabyte (Zebibyte) (2^70 Byte)", "ZiB", "8*2^70"),
    Both("Yottabyte (Yibibyte)", "YiB", "8*2^80"),

    // SI prefixes: powers of 1000 bits.
    Group("Bit Dezimal", "Bit Decimal"),
    Both("Kilobit", "kbit", "1000"),
    Both("Megabit", "Mbit", "1E6"),
    Both("Gigabit", "Gbit", "1E9"),
    Both("Terabit", "Tbit", "1E12"),
    Both("Petabit", "Pbit", "1E15"),
    Both("Exabit", "Ebit", "1E18"),
    Both("Zettabit", "Zbit", "1E21"),
    Both("Yottabit", "Ybit", "1E24"),

    // IEC binary prefixes: powers of 1024 bits.
    Group("Bit Binär", "Bit Binary"),
    Both("Kilobit (Kibibit) (2^10 Bit)", "Kibit", "2^10"),
    Both("Megabit (Mebibit) (2^20 Bit)", "Mibit", "2^20"),
    Both("Gigabit (Gibibit) (2^30 Bit)", "Gibit", "2^30"),
    Both("Terabit (Tebibit) (2^40 Bit)", "Tibit", "2^40"),
    Both("Petabit (Pebibit) (2^50 Bit)", "Pibit", "2^50"),
    Both("Exabit (Exbibit) (2^60 Bit)", "Eibit", "2^60"),
    Both("Zettabit (Zebibit) (2^70 Bit)", "Zibit", "2^70"),
    Both("Yottabit (Yobibit)", "Yibit", "2^80"),

    // Chance events by their entropy, codes and addresses by their width, media by their
    // formatted user capacity (sectors times sector size), genomes at 2 bit per base pair.
    Group("Vergleiche", "Comparisons"),
    Pair("Münzwurf", "Coin Toss", "", "1"),
    Pair("DNA-Basenpaar", "DNA Base Pair", "", "2"),
    Pair("Würfelwurf", "Roll of a Die", "", "ln(6)/ln(2)"),
    Pair("Spielkarte aus 52 Karten", "Playing Card out of 52", "", "ln(52)/ln(2)"),
    Pair("ASCII-Zeichen", "ASCII Character", "", "7"),
    Pair("Unicode-Codepunkt", "Unicode Code Point", "", "21"),
    Pair("Lotto 6 aus 49 (Ziehung)", "Lotto 6 out of 49 (Draw)", "", "ln(13983816)/ln(2)"),
    Pair("IPv4-Adresse", "IPv4 Address", "", "32"),
    Pair("MAC-Adresse", "MAC Address", "", "48"),
    Pair("IPv6-Adresse", "IPv6 Address", "", "128"),
    Both("UUID", "", "128"),
    Pair("Gemischtes Kartenspiel (52 Karten)", "Shuffled Deck (52 Cards)", "", "225,58100312370276"),
    Pair("SHA-256-Hashwert", "SHA-256 Hash", "", "256"),
    Pair("Lochkarte (80 Spalten, 12 Zeilen)", "Punched Card (80 Columns, 12 Rows)", "", "960"),
    Pair("SMS (160 Zeichen)", "SMS (160 Characters)", "", "1120"),
    Pair("Arecibo-Botschaft", "Arecibo Message", "", "1679"),
    Pair("Ethernet-Rahmen (maximal, 1518 Byte)", "Ethernet Frame (Maximum, 1518 Bytes)", "", "12144"),
    Pair("Normseite (1800 Zeichen)", "Standard Manuscript Page (1800 Characters)", "", "14400"),
    Pair("QR-Code Version 40 (Binärdaten, Stufe L)", "QR Code Version 40 (Binary Data, Level L)", "", "23624"),
    Pair("Apollo Guidance Computer (Arbeitsspeicher)", "Apollo Guidance Computer (RAM)", "", "32768"),
    Pair("ISDN-Telefonie (1 Sekunde)", "ISDN Telephony (1 Second)", "", "64000"),
    Pair("Commodore 64 (Arbeitsspeicher)", "Commodore 64 (RAM)", "", "524288"),
    Pair("Apollo Guidance Computer (Festwertspeicher)", "Apollo Guidance Computer (ROM)", "", "589824"),
    Pair("CD-Audio (1 Sekunde)", "CD Audio (1 Second)", "", "1411200"),
    Pair("Diskette 8\" (IBM 3740)", "Floppy Disk 8\" (IBM 3740)", "", "2050048"),
    Pair("Diskette 5¼\" DD (360 KB)", "Floppy Disk 5¼\" DD (360 KB)", "", "2949120"),
    Pair("Konventioneller Speicher eines PC (640 KB)", "Conventional Memory of a PC (640 KB)", "", "5242880"),
    Pair("Diskette 3½\" DD (720 KB)", "Floppy Disk 3½\" DD (720 KB)", "", "5898240"),
    Pair("Genom von E. coli (K-12)", "Genome of E. coli (K-12)", "", "9283304"),
    Pair("Diskette 5¼\" HD (1,2 MB)", "Floppy Disk 5¼\" HD (1.2 MB)", "", "9830400"),
    Pair("Diskette 3½\" HD (1,44 MB)", "Floppy Disk 3½\" HD (1.44 MB)", "", "11796480"),
    Pair("Diskette 3½\" ED (2,88 MB)", "Floppy Disk 3½\" ED (2.88 MB)", "", "23592960"),
    Pair("Festplatte IBM 350 (1956)", "Hard Disk IBM 350 (1956)", "", "3E7"),
    Pair("Full-HD-Einzelbild (24 Bit)", "Full HD Frame (24 Bit)", "", "49766400"),
    Pair("4K-UHD-Einzelbild (24 Bit)", "4K UHD Frame (24 Bit)", "", "199065600"),
    Both("CD-ROM (74 min)", "", "5455872000"),
    Both("CD-ROM (80 min)", "", "5898240000"),
    Pair("Menschliches Genom (haploid)", "Human Genome (haploid)", "", "6,1E9"),
    Both("Audio-CD (74 min)", "", "6265728000"),
    Pair("DVD-5 (einseitig, einschichtig)", "DVD-5 (Single Sided, Single Layer)", "", "37658558464"),
    Pair("DVD-9 (einseitig, zweischichtig)", "DVD-9 (Single Sided, Dual Layer)", "", "68349329408"),
    Pair("DVD-18 (zweiseitig, zweischichtig)", "DVD-18 (Double Sided, Dual Layer)", "", "136698658816"),
    Pair("Blu-ray Disc (einschichtig, 25 GB)", "Blu-ray Disc (Single Layer, 25 GB)", "", "200202518528"),
    Pair("Blu-ray Disc (zweischichtig, 50 GB)", "Blu-ray Disc (Dual Layer, 50 GB)", "", "400405037056"),
    Pair("BDXL (dreischichtig, 100 GB)", "BDXL (Triple Layer, 100 GB)", "", "800826851328"),
    Pair("Magnetband LTO-1 (100 GB nativ)", "Magnetic Tape LTO-1 (100 GB Native)", "", "8E11"),
    Pair("Magnetband LTO-9 (18 TB nativ)", "Magnetic Tape LTO-9 (18 TB Native)", "", "1,44E14"),
};

}  // namespace

QUARNELO_BUILDER(information, 1, 3, 14, 1, 3, 14, kRows)
