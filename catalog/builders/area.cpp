// Area; base unit square metre.
#include "catalog/builders/rows.h"

namespace {
using namespace quarnelo::catalog;

constexpr Row kRows[] = {
    Group("Metrisch", "Metric"),
    Pair("Quadratnanometer", "Square Nanometre", "(nm)²", "1E-18"),
    Pair("Quadratmikrometer", "Square Micrometre", "(μm)²", "1E-12"),
    Pair("Quadratmillimeter", "Square Millimetre", "(mm)²", "1E-6"),
    Pair("Quadratzentimeter", "Square Centimetre", "(cm)²", "1/10000"),
    Pair("Quadratdezimter", "Square Decimtre", "(dm)²", "1/100"),
    Pair("Quadratmeter", "Square Metre", "m²", "1"),
    Pair("Ar", "Are", "a", "100"),
    Both("Decare", "", "1000"),
    Pair("Hektar", "Hectare", "ha", "10000"),
    Pair("Quadratkilometer", "Square Kilometre", "(km)²", "1000000"),

    Group("Angloamerikanisch", "Anglo-American"),  // international inch (0,0254 m)
    Pair("Kreisrundes Mil", "Circular Mil", "cmil", "pi*sqinch/4000000"),
    Pair("Quadratmil", "Square Mil", "sq.mil", "sqinch/1000000"),
    Pair("Kreisrunder Zoll", "Circular Inch", "", "pi*sqinch/4"),
    Pair("Quadratzoll", "Square Inch", "sq.in.", "sqinch"),
    Both("Square Foot/Quadratfuß/Pied Carré", "sq.ft.", "sqinch*144"),
    Pair("Quadratyard", "Square Yard", "sq.yd.", "sqinch*1296"),
    Pair("Quadratlink", "Square Link", "sq.li.", "sqinch*62,7264"),
    Pair("Quadratrute", "Square Rod/Pole/Perch", "sq.rd.", "sqinch*39204"),
    Pair("Quadratkette", "Square Chain", "sq.ch.", "sqinch*627264"),
    Pair("Quadratfurlong", "Square Furlong", "sq.fur.", "sqinch*62726400"),
    Pair("Quadratmeile", "Square Mile", "sq.mi.", "sqinch*4014489600"),
    Pair("Quadratleague", "Square League", "sq.lea.", "sqinch*4014489600*9"),
    Pair("Kreisrunder Fuß", "Circular Foot", "", "pi*sqinch*36"),
    Pair("Square (Dachdeckerei)", "Square (Roofing)", "", "sqinch*14400"),
    Pair("Quadratfuß (US Survey)", "Square Foot (US Survey)", "sq.ft. (US)", "(1200/3937)^2"),
    Pair("Quadratmeile (US Survey)", "Square Mile (US Survey)", "sq.mi. (US)", "(1200/3937*5280)^2"),

    Group("Land"),  // acre of 43560 square feet; US survey acre on the survey foot
    Both("Rood", "ro", "sqinch*1568160"),
    Both("Acre", "ac", "sqinch*6272640"),
    Both("Acre (US Survey)", "ac (US)", "(1200/3937)^2*43560"),
    Both("Commercial Acre", "", "sqinch*144*36000"),
    Both("Quarter Section", "", "sqinch*6272640*160"),
    Both("Homestead", "", "sqinch*6272640*160"),
    Both("Section", "", "sqinch*6272640*640"),
    Both("Township", "", "sqinch*6272640*640*36"),

    Group("Antikes Griechenland", "Ancient Greece"),  // Greek foot 12,45 in
    Both("Plethron", "", "(inch*1245)^2"),

    Group("Antikes Ägypten", "Ancient Egyptian"),  // royal cubit 20,63 in; setat = 100 x 100 cubits
    Pair("Quadratelle (Königselle)", "Square Royal Cubit", "", "(inch*20,63)^2"),
    Both("Ta (Ellenstreifen)", "", "(inch*20,63)^2*100"),
    Both("Kha", "", "(inch*20,63)^2*1000"),
    Both("Sa", "", "(inch*20,63)^2*1250"),
    Both("Heseb", "", "(inch*20,63)^2*2500"),
    Both("Remen", "", "(inch*20,63)^2*5000"),
    Both("Setat/Aroura", "", "(inch*20,63)^2*10000"),

    Group("Antikes Mesopotamien", "Ancient Mesopotamian"),  // nindan of 6 m; sar = 1 square nindan
    Pair("Quadratelle (Kuš)", "Square Cubit (Kuš)", "", "0,25"),
    Both("Še", "", "36/10800"),
    Both("Gin (Schekel)", "", "36/60"),
    Both("Sar (Musar)", "", "36"),
    Both("Ubu", "", "1800"),

    Group("Antikes Mesopotamien GAN", "Ancient Mesopotamian GAN"),  // GAN (iku) = 100 sar
    Both("Iku (GAN)", "", "3600"),
    Both("Eše", "", "21600"),
    Both("Bur", "", "64800"),
    Both("Bur'u", "", "648000"),
    Both("Šar", "", "3888000"),
    Both("Šar'u", "", "38880000"),

    Group("Antikes Rom", "Ancient Rome"),  // pes of 0,296 m
    Both("Pes Quadratus", "", "0,296^2"),
    Both("Scripulum (Decempeda Quadrata)", "", "0,296^2*100"),
    Both("Actus Simplex", "", "0,296^2*480"),
    Both("Semuncia", "", "0,296^2*1200"),
    Both("Uncia", "", "0,296^2*2400"),
    Both("Clima", "", "0,296^2*3600"),
    Both("Actus Quadratus", "", "0,296^2*14400"),
    Both("Iugerum", "", "0,296^2*28800"),
    Both("Heredium", "", "0,296^2*57600"),
    Both("Centuria", "", "0,296^2*5760000"),
    Both("Saltus", "", "0,296^2*23040000"),

    Group("Ägypten", "Egyptian"),  // feddan of 333 1/3 square qasaba (3,55 m)
    Both("Feddan", "", "4200,833"),
    Both("Kirat", "", "4200,833/24"),

    Group("Bayern", "Bavaria"),  // Bavarian foot 0,291859 m; Rute 10 feet, Klafter 6 feet
    Pair("Quadratzoll", "Square Inch", "", "(0,291859/12)^2"),
    Pair("Quadratfuß", "Square Foot", "", "0,291859^2"),
    Pair("Quadratelle", "Square Ell", "", "0,833^2"),
    Pair("Quadratklafter", "Square Klafter", "", "0,291859^2*36"),
    Pair("Quadratrute", "Square Rute", "", "0,291859^2*100"),
    Both("Dezimal", "", "0,291859^2*400"),
    Both("Tagwerk", "", "0,291859^2*40000"),
    Pair("Quadratmeile", "Square Mile", "", "(0,291859*25406)^2"),

    Group("Belgien", "Belgium"),  // bunder = hectare in the Dutch-Belgian system of 1820
    Both("Bunder", "", "10000"),

    Group("China", "Chinese"),  // market system: chi = 1/3 m, mu = 60 square zhang
    Pair("Quadrat-Chi (平方市尺)", "Square Chi (平方市尺)", "平方市尺", "1/9"),
    Pair("Quadrat-Zhang (平方市丈)", "Square Zhang (平方市丈)", "平方市丈", "100/9"),
    Both("Hao (市毫)", "市毫", "2/3"),
    Both("Li (市厘)", "市厘", "20/3"),
    Both("Fen (市分)", "市分", "200/3"),
    Both("Mu (市亩/畝) \t", "市亩", "2000/3"),
    Both("Qing (市顷)", "市顷", "200000/3"),
    Pair("Quadrat-Li (平方市里)", "Square Li (平方市里)", "平方市里", "250000"),

    Group("Dänemark", "Denmark"),  // Danish fod 0,31385 m (1683); alen 2 fod, rode 10 fod
    Both("Kvadratfod", "", "0,31385^2"),
    Both("Kvadratalen", "", "0,31385^2*4"),
    Both("Kvadratrode", "", "0,31385^2*100"),
    Both("Album", "", "0,31385^2*56000/128"),
    Both("Fjerdingkar Land", "", "0,31385^2*56000/32"),
    Both("Skæppe Land", "", "0,31385^2*56000/8"),
    Both("Tønde Land", "", "0,31385^2*56000"),
    Both("Kvadratmil", "", "(0,31385*24000)^2"),

    // German states before 1872; each unit derives from the foot (Fuß, Schuh) of its state.
    Group("Deutschland", "Germany"),
    Both("Hufe/Hube", "", "124500"),
    Both("Hufe/Hube", "", "2500"),
    Both("Magdeburger Hufe", "", "3,766242^2*180*30"),
    Pair("Kulmische Quadratrute", "Kulm Square Rute", "", "4,32^2"),
    Pair("Kulmischer Morgen", "Kulm Morgen", "", "4,32^2*300"),
    Pair("Kulmische Hufe", "Kulm Hufe", "", "4,32^2*300*30"),
    Pair("Geographische Quadratmeile", "Geographical Square Mile", "", "7420,439^2"),
    Pair("Quadratkette (1868)", "Square Kette (1868)", "", "100"),
    Pair("Quadratmeile (1868)", "Square Mile (1868)", "", "7500^2"),
    Pair("Quadratlachter (Preußen)", "Square Lachter (Prussia)", "", "2,0924^2"),
    Pair("Quadratlachter (Oberharz)", "Square Lachter (Upper Harz)", "", "1,9238^2"),
    Pair("Maximalfeld (Preußisches Berggesetz 1865)", "Maximum Mining Field (Prussia 1865)", "", "2189000"),
    Pair("Quadratelle (Preußen)", "Square Ell (Prussia)", "", "0,66694^2"),
    Pair("Morgen (heute)", "Morgen (Today)", "", "2500"),
    Pair("Quadratlinie (Baden)", "Square Line (Baden)", "", "0,003^2"),
    Pair("Quadratzoll (Baden)", "Square Inch (Baden)", "", "0,03^2"),
    Pair("Quadratfuß (Baden)", "Square Foot (Baden)", "", "0,3^2"),
    Pair("Quadratrute (Baden)", "Square Rute (Baden)", "", "3^2"),
    Both("Viertel (Baden)", "", "3^2*100"),
    Both("Morgen (Baden)", "", "3^2*400"),
    Pair("Quadratstunde (Baden)", "Square Hour's Walk (Baden)", "", "(0,3*14814,8)^2"),
    Pair("Quadratlinie (Württemberg)", "Square Line (Württemberg)", "", "0,002864903^2"),
    Pair("Quadratzoll (Württemberg)", "Square Inch (Württemberg)", "", "0,02864903^2"),
    Pair("Quadratfuß (Württemberg)", "Square Foot (Württemberg)", "", "0,2864903^2"),
    Pair("Quadratrute (Württemberg)", "Square Rute (Württemberg)", "", "2,864903^2"),
    Both("Viertel (Württemberg)", "", "2,864903^2*96"),
    Both("Morgen (Württemberg)", "", "2,864903^2*384"),
    Pair("Quadratmeile (Württemberg)", "Square Mile (Württemberg)", "", "(0,2864903*26000)^2"),
    Pair("Quadratlinie (Hessen)", "Square Line (Hesse)", "", "0,0025^2"),
    Pair("Quadratzoll (Hessen)", "Square Inch (Hesse)", "", "0,025^2"),
    Pair("Quadratfuß (Hessen)", "Square Foot (Hesse)", "", "0,25^2"),
    Pair("Quadratklafter (Hessen)", "Square Klafter (Hesse)", "", "2,5^2"),
    Pair("Viertel (Hessen)", "Viertel (Hesse)", "", "2,5^2*100"),
    Pair("Morgen (Hessen)", "Morgen (Hesse)", "", "2,5^2*400"),
    Pair("Quadratmeile (Hessen)", "Square Mile (Hesse)", "", "7500^2"),
    Pair("Quadratfuß (Nassau)", "Square Foot (Nassau)", "", "0,3^2"),
    Pair("Quadratrute (Nassau)", "Square Rute (Nassau)", "", "5^2"),
    Both("Morgen (Nassau)", "", "5^2*100"),
    Pair("Quadratzoll (Braunschweig)", "Square Inch (Brunswick)", "", "(0,285362/12)^2"),
    Pair("Quadratfuß (Braunschweig)", "Square Foot (Brunswick)", "", "0,285362^2"),
    Pair("Quadratelle (Braunschweig)", "Square Ell (Brunswick)", "", "(0,285362*2)^2"),
    Pair("Quadratrute (Braunschweig)", "Square Rute (Brunswick)", "", "(0,285362*16)^2"),
    Pair("Feldmorgen (Braunschweig)", "Field Morgen (Brunswick)", "", "(0,285362*16)^2*120"),
    Pair("Waldmorgen (Braunschweig)", "Forest Morgen (Brunswick)", "", "(0,285362*16)^2*160"),
    Pair("Quadratzoll (Hamburg)", "Square Inch (Hamburg)", "", "(0,286575/12)^2"),
    Pair("Quadratfuß (Hamburg)", "Square Foot (Hamburg)", "", "0,286575^2"),
    Pair("Quadratelle (Hamburg)", "Square Ell (Hamburg)", "", "(0,286575*2)^2"),
    Pair("Quadratmarschrute (Hamburg)", "Square Marsh Rute (Hamburg)", "", "(0,286575*14)^2"),
    Pair("Quadratgeestrute (Hamburg)", "Square Geest Rute (Hamburg)", "", "(0,286575*16)^2"),
    Both("Morgen (Hamburg)", "", "(0,286575*14)^2*600"),
    Pair("Steuertonne (Schleswig-Holstein)", "Tax Tonne (Schleswig-Holstein)", "", "(0,286575*16)^2*260"),
    Pair("Quadratzoll (Bremen)", "Square Inch (Bremen)", "", "(0,28935/12)^2"),
    Pair("Quadratfuß (Bremen)", "Square Foot (Bremen)", "", "0,28935^2"),
    Pair("Quadratelle (Bremen)", "Square Ell (Bremen)", "", "(0,28935*2)^2"),
    Pair("Quadratrute (Bremen)", "Square Rute (Bremen)", "", "(0,28935*16)^2"),
    Both("Morgen (Bremen)", "", "(0,28935*16)^2*120"),
    Pair("Quadratzoll (Lübeck)", "Square Inch (Lübeck)", "", "(0,2876/12)^2"),
    Pair("Quadratfuß (Lübeck)", "Square Foot (Lübeck)", "", "0,2876^2"),
    Pair("Quadratelle (Lübeck)", "Square Ell (Lübeck)", "", "(0,2876*2)^2"),
    Pair("Quadratrute (Lübeck)", "Square Rute (Lübeck)", "", "(0,2876*16)^2"),
    Pair("Quadratzoll (Weimar)", "Square Inch (Weimar)", "", "(0,28198/12)^2"),
    Pair("Quadratfuß (Weimar)", "Square Foot (Weimar)", "", "0,28198^2"),
    Pair("Quadratrute (Weimar)", "Square Rute (Weimar)", "", "(0,28198*16)^2"),
    Both("Acker (Weimar)", "", "(0,28198*16)^2*140"),
    Pair("Quadratzoll (Köln)", "Square Inch (Cologne)", "", "(0,2876/12)^2"),
    Pair("Quadratfuß (Köln)", "Square Foot (Cologne)", "", "0,2876^2"),
    Pair("Quadratrute (Köln)", "Square Rute (Cologne)", "", "(0,2876*16)^2"),
    Pair("Morgen (Köln)", "Morgen (Cologne)", "", "(0,2876*16)^2*150"),
    Pair("Quadratzoll (Frankfurt)", "Square Inch (Frankfurt)", "", "(0,28461/12)^2"),
    Pair("Quadratschuh (Frankfurt)", "Square Foot (Frankfurt)", "", "0,28461^2"),
    Pair("Quadratelle (Frankfurt)", "Square Ell (Frankfurt)", "", "0,5473^2"),
    Pair("Quadratfeldrute (Frankfurt)", "Square Field Rute (Frankfurt)", "", "(0,28461*12,5)^2"),
    Pair("Feldmorgen (Frankfurt)", "Field Morgen (Frankfurt)", "", "(0,28461*12,5)^2*160"),
    Pair("Quadratschuh (Nürnberg)", "Square Foot (Nuremberg)", "", "0,303975^2"),
    Pair("Quadratschuh (Augsburg)", "Square Foot (Augsburg)", "", "0,29622^2"),
    Pair("Quadratzoll (Oldenburg)", "Square Inch (Oldenburg)", "", "(0,29587/12)^2"),
    Pair("Quadratfuß (Oldenburg)", "Square Foot (Oldenburg)", "", "0,29587^2"),
    Pair("Quadratrute (Oldenburg)", "Square Rute (Oldenburg)", "", "(0,29587*20)^2"),
    Both("Jück (Oldenburg)", "", "(0,29587*20)^2*160"),
    Pair("Acker (Kurhessen)", "Acker (Electorate of Hesse)", "", "2386,6"),

    Group("England 1066"),  // land measures of the Domesday period, in statute acres
    Both("Rood", "", "sqinch*6272640/4"),
    Both("Acre", "", "sqinch*6272640"),
    Both("Fardel", "", "sqinch*6272640*7,5"),
    Both("Bovate/Oxgang", "", "sqinch*6272640*15"),
    Both("Virgate/Yardland", "", "sqinch*6272640*30"),
    Both("Yoke (Kent)", "", "sqinch*6272640*60"),
    Both("Hide", "", "sqinch*6272640*120"),
    Both("Carucate/Ploughland", "", "sqinch*6272640*120"),
    Both("Sulung (Kent)", "", "sqinch*6272640*240"),
    Both("Knight's Fee", "", "sqinch*6272640*600"),
    Both("Hundred", "", "sqinch*6272640*12000"),

    Group("Finnland", "Finland"),  // Swedish tunnland of 14000 square alnar
    Both("Tynnyrinala", "", "0,593802^2*14000"),

    Group("Frankreich", "France"),  // pied du roi = 144/443,296 m (law of 10 December 1799)
    Both("Pouce carré", "", "(144/443,296/12)^2"),
    Both("Pied carré", "", "(144/443,296)^2"),
    Both("Toise carrée", "", "(144/443,296*6)^2"),
    Both("Perche carrée (Paris)", "", "(144/443,296*18)^2"),
    Both("Perche carrée (Eaux et Forêts)", "", "(144/443,296*22)^2"),
    Both("Arpent de Paris", "", "(144/443,296*18)^2*100"),
    Both("Arpent commun", "", "(144/443,296*20)^2*100"),
    Both("Arpent d'ordonnance", "", "(144/443,296*22)^2*100"),

    Group("Guatemala"),  // vara of 0,835905 m; caballería = 64 manzanas
    Both("Manzana", "mz", "0,835905^2*10000"),
    Both("Caballería", "cab", "0,835905^2*640000"),

    Group("Hong Kong"),  // chek = 0,371475 m (Weights and Measures Ordinance)
    Pair("Quadrat-Chek", "Square Chek", "", "0,371475^2"),
    Pair("Quadrat-Cheung", "Square Cheung", "", "3,71475^2"),

    Group("Indien", "India"),  // Punjab on the acre of 43560 sq ft; Bengal and Assam in square feet
    Both("Sarsai", "", "sqinch*144*30,25"),
    Both("Marla", "", "sqinch*144*272,25"),
    Both("Kanal", "", "sqinch*144*5445"),
    Both("Killa", "", "sqinch*6272640"),
    Both("Marabba", "", "101171,41"),
    Both("Marabba", "", "101171,412"),
    Both("Guntha", "", "sqinch*144*1089"),
    Both("Decimal", "", "sqinch*144*435,6"),
    Both("Ground", "", "sqinch*144*2400"),
    Both("Chatak (Bengal)", "", "sqinch*144*45"),
    Both("Katha (Bengal)", "", "sqinch*144*720"),
    Both("Bigha (Bengal)", "", "sqinch*144*14400"),
    Both("Lecha (Assam)", "", "sqinch*144*144"),
    Both("Katha (Assam)", "", "sqinch*144*2880"),

    Group("Indien Manipur", "India Manipur"),
    Both("Pari", "", "sqinch*6272640*2,5"),
    // Five further Manipuri land measures belong here; their sizes are not yet sourced.

    Group("Indien Andhra Pradesh", "India Andhra Pradesh"),
    Both("Chadarapu Adugu", "", "sqinch*144"),
    Both("Gajam", "", "sqinch*1296"),
    Both("Ankanam", "", "sqinch*144*72"),
    Both("Cent", "", "sqinch*144*435,6"),
    Both("Kunta", "", "sqinch*144*1089"),
    Both("Ekaram", "", "sqinch*6272640"),

    Group("Indien Rajasthan", "India Rajasthan"),  // 1 bigha = 20 biswa = 400 biswansi
    Both("Biswansi (Pucca)", "", "sqinch*144*27225/400"),
    Both("Biswa (Pucca)", "", "sqinch*144*27225/20"),
    Both("Bigha (Pucca)", "", "sqinch*144*27225"),
    Both("Biswa (Kachcha)", "", "sqinch*144*17424/20"),
    Both("Bigha (Kachcha)", "", "sqinch*144*17424"),

    Group("Irland", "Ireland"),  // Irish perch of 7 yards; Gaelic divisions at customary mean size
    Pair("Irische Quadratrute", "Irish Square Perch", "", "sqinch*63504"),
    Pair("Irische Quadratkette", "Irish Square Chain", "", "sqinch*1016064"),
    Both("Irish Rood", "", "sqinch*63504*40"),
    Pair("Irischer Acre", "Irish Acre", "", "sqinch*63504*160"),
    Pair("Irische Quadratmeile", "Irish Square Mile", "", "sqinch*80640^2"),
    Both("Gneeve", "", "sqinch*6272640*10"),
    Both("Cartron", "", "sqinch*6272640*30"),
    Both("Ballyboe", "", "sqinch*6272640*60"),
    Both("Quarter (Ceathrú)", "", "sqinch*6272640*120"),
    Both("Ballybetagh", "", "sqinch*6272640*960"),

    Group("Hannover"),  // Hanoverian foot 0,292095 m; Rute 16 feet
    Pair("Quadratfuß", "Square Foot", "", "0,292095^2"),
    Pair("Quadratrute", "Square Rute", "", "(0,292095*16)^2"),
    Both("Morgen", "", "(0,292095*16)^2*120"),

    Group("Japan", "Japanese"),  // shaku = 10/33 m; tsubo = 36 square shaku = 400/121 m²
    Both("Shaku (勺)", "", "4/121"),
    Both("Gō (合)", "", "40/121"),
    Both("Tsubo (坪)", "", "400/121"),
    Both("Bu (歩)", "", "400/121"),
    Both("Se (畝)", "", "12000/121"),
    Both("Tan (反)", "", "120000/121"),
    Both("Chō (町)", "", "1200000/121"),
    Pair("Quadrat-Shaku", "Square Shaku", "", "100/1089"),
    Pair("Quadrat-Ri", "Square Ri", "", "(129600/33)^2"),

    Group("Japan Matten", "Japanese Mats"),  // tatami in shaku (10/33 m)
    Both("Kyōma (京間)", "", "6,3*3,15*100/1089"),
    Both("Chūkyōma (中京間)", "", "6*3*100/1089"),
    Both("Edoma (江戸間)", "", "5,8*2,9*100/1089"),
    Both("Danchima (団地間)", "", "5,6*2,8*100/1089"),

    Group("Kanalinseln", "Channel Island"),  // in English square feet
    Both("Perch (Jersey)", "", "sqinch*144*484"),
    Both("Vergée (Jersey)", "", "sqinch*144*19360"),
    Both("Perch (Guernsey)", "", "sqinch*144*441"),
    Both("Vergée (Guernsey)", "", "sqinch*144*17640"),

    Group("Korea"),
    Both("Pyeong (평)", "", "400/121"),
    Both("Jeongbo (정보)", "", "1200000/121"),

    Group("Kroatien", "Croatia"),  // cadastral jutro of 1600 square Vienna klafter
    Both("Katastarsko Jutro", "", "1,89648384^2*1600"),

    Group("Liechtenstein"),
    Both("Klafter", "", "3,596652"),

    Group("Malta Land"),  // tomna of 256 square qasab
    Both("Kejla", "", "2,095^2*256/24"),
    Both("Siegħ", "", "2,095^2*256/6"),
    Both("Tomna", "", "2,095^2*256"),
    Both("Modd", "", "2,095^2*256*16"),
    Both("Ettaru", "", "10000"),

    Group("Malta Square"),  // qasba = 2,095 m = 8 xbar
    Both("Pulzier Kwadru", "", "(0,2794/12)^2"),
    Both("Xiber Kwadru", "", "(2,095/8)^2"),
    Both("Pied Kwadru", "", "0,2794^2"),
    Both("Qasba Kwadra", "", "2,095^2"),

    // Group "Markatal Färöer" (Mørk, Gyllin, Skinn) belongs here; its areas are not yet sourced.

    Group("Nepal"),  // in square feet; 1 ropani = 16 aana, 1 bigha = 20 kattha = 400 dhur
    Both("Dhur", "", "sqinch*144*182,25"),
    Both("Kattha", "", "sqinch*144*3645"),
    Both("Bigha", "", "sqinch*144*72900"),
    Both("Aana", "", "sqinch*144*342,25"),
    Both("Ropani", "", "sqinch*144*5476"),

    Group("Niederlande", "Netherlands"),  // 600 square Rijnland roeden (3,767 m)
    Both("Rijnlandse Morgen", "", "3,767^2*600"),

    Group("Norwegen", "Norway"),  // Norwegian alen 0,6275 m (1824)
    Both("Kvadratfot", "", "0,31375^2"),
    Both("Kvadratalen", "", "0,6275^2"),
    Both("Mål (2500 Kvadratalen)", "", "0,6275^2*2500"),
    Both("Mål", "", "1000"),

    Group("Österreich", "Austria"),  // Vienna klafter 1,89648384 m (1871)
    Pair("Quadratklafter", "Square Klafter", "", "1,89648384^2"),
    Both("Joch", "", "1,89648384^2*1600"),

    Group("Polen", "Poland"),  // Old Polish measure and the New Polish measure of 1819 (pręt 4,32 m)
    Both("Kwadratowy Pręt Większy", "", "199,5"),
    Both("Kwadratowy Pręt Większy", "", "199,5"),
    Both("Sznur", "", "1995"),
    Both("Morga Staropolska", "", "5985"),
    Both("Włóka Chełmińska", "", "179550"),
    Both("Łan Frankoński", "", "242000"),
    Both("Stopa Kwadratowa", "", "0,288^2"),
    Both("Łokieć Kwadratowy", "", "0,576^2"),
    Both("Pręt Kwadratowy Nowopolski", "", "4,32^2"),
    Both("Morga Nowopolska", "", "4,32^2*300"),
    Both("Włóka Nowopolska", "", "4,32^2*9000"),

    Group("Portugal"),  // palmo of 0,22 m
    Both("Palmo Quadrado", "", "0,22^2"),
    Both("Côvado Quadrado", "", "0,66^2"),
    Both("Vara Quadrada", "", "1,1^2"),
    Both("Braça Quadrada", "", "2,2^2"),

    Group("Preußen", "Prussia"),  // Prussian foot 0,3138535 m (1816); Rute 12 feet
    Pair("Quadratfuß", "Square Foot", "", "0,3138535^2"),
    Pair("Quadratrute", "Square Rute", "", "3,766242^2"),
    Both("Morgen", "", "3,766242^2*180"),
    Pair("Quadratmeile", "Square Mile", "", "(0,3138535*24000)^2"),

    Group("Russland", "Russia"),  // sazhen of 7 English feet; desyatina of 2400 square sazhen
    Pair("Quadratwerschok", "Square Vershok", "", "(inch*1,75)^2"),
    Pair("Quadratarschin", "Square Arshin", "", "(inch*28)^2"),
    Pair("Quadratsaschen", "Square Sazhen", "", "(inch*84)^2"),
    Pair("Desjatine", "Desyatina", "", "(inch*84)^2*2400"),
    Pair("Wirtschaftsdesjatine", "Desyatina (Economic)", "", "(inch*84)^2*3200"),
    Pair("Quadratwerst", "Square Verst", "", "(inch*42000)^2"),

    Group("Sachsen", "Saxony"),  // Dresden foot 0,28319 m; Feldmesserrute 4,2951 m; Acker 300 square Ruten
    Pair("Quadratzoll", "Square Inch", "", "(0,28319/12)^2"),
    Pair("Quadratfuß", "Square Foot", "", "0,28319^2"),
    Pair("Quadratelle (Dresden)", "Square Ell (Dresden)", "", "0,56638^2"),
    Pair("Quadratelle (Leipzig)", "Square Ell (Leipzig)", "", "0,5653^2"),
    Pair("Quadratlachter", "Square Lachter", "", "1,9809^2"),
    Pair("Quadratrute", "Square Rute", "", "4,2951^2"),
    Both("Metze (Aussaat)", "", "4,2951^2*150/16"),
    Both("Viertel (Aussaat)", "", "4,2951^2*150/4"),
    Both("Scheffel (Aussaat)", "", "4,2951^2*150"),
    Both("Acker", "", "4,2951^2*300"),
    Pair("Quadratpostmeile", "Square Post Mile", "", "9062^2"),
    Pair("Quadratmeile (1840)", "Square Mile (1840)", "", "7500^2"),

    Group("Schottland", "Scottland"),  // Scots inch = 1,00540054 inch; ell 37 inches, fall 6 ells
    Pair("Schottischer Quadratzoll", "Scots Square Inch", "", "(inch*1,00540054)^2"),
    Pair("Schottischer Quadratfuß", "Scots Square Foot", "", "(inch*1,00540054*12)^2"),
    Pair("Schottische Quadratelle", "Scots Square Ell", "", "(inch*1,00540054*37)^2"),
    Pair("Schottisches Quadratfall", "Scots Square Fall", "", "(inch*1,00540054*222)^2"),
    Pair("Schottischer Quadratlink", "Scots Square Link", "", "(inch*1,00540054*8,88)^2"),
    Pair("Schottische Quadratkette", "Scots Square Chain", "", "(inch*1,00540054*888)^2"),
    Both("Scots Rood", "", "(inch*1,00540054*222)^2*40"),
    Both("Scots Acre", "", "(inch*1,00540054*222)^2*160"),
    Pair("Schottisches Quadratfurlong", "Scots Square Furlong", "", "(inch*1,00540054*8880)^2"),
    Pair("Schottische Quadratmeile", "Scots Square Mile", "", "(inch*1,00540054*71040)^2"),
    Both("Oxgang", "", "(inch*1,00540054*222)^2*160*13"),
    Both("Husbandland", "", "(inch*1,00540054*222)^2*160*26"),
    Both("Ploughgate", "", "(inch*1,00540054*222)^2*160*104"),
    Both("Davoch", "", "(inch*1,00540054*222)^2*160*416"),
    Both("Pennyland", "", "(inch*1,00540054*222)^2*160*416/20"),
    Both("Ounceland", "", "(inch*1,00540054*222)^2*160*416"),

    Group("Schweiz", "Switzerland"),  // Swiss foot 0,3 m (1838); Juchart 40000 square feet
    Pair("Quadratzoll", "Square Inch", "", "0,03^2"),
    Pair("Quadratfuß", "Square Foot", "", "0,3^2"),
    Pair("Quadratklafter", "Square Klafter", "", "1,8^2"),
    Pair("Quadratrute", "Square Rute", "", "3^2"),
    Both("Juchart", "", "0,3^2*40000"),
    Pair("Quadratstunde", "Square Hour's Walk", "", "4800^2"),

    Group("Schweden", "Sweden"),  // Swedish fot 0,296901 m (1739); tunnland 14000 square alnar
    Both("Kvadratfot", "", "0,296901^2"),
    Both("Kvadrataln", "", "0,593802^2"),
    Both("Kvadratfamn", "", "1,781406^2"),
    Both("Kappland", "", "0,593802^2*14000/32"),
    Both("Tunnland", "", "0,593802^2*14000"),

    Group("Spanien", "Spain"),  // Castilian vara 0,835905 m; fanega = 576 square estadales
    Both("Pie Cuadrado", "", "(0,835905/3)^2"),
    Both("Vara Cuadrada", "", "0,835905^2"),
    Both("Estadal Cuadrado", "", "(0,835905*4)^2"),
    Both("Cuartillo", "", "(0,835905*4)^2*12"),
    Both("Celemín", "", "(0,835905*4)^2*48"),
    Both("Aranzada", "", "(0,835905*4)^2*400"),
    Both("Fanega", "", "(0,835905*4)^2*576"),

    Group("Tatar"),  // Volga Tatar names of the Russian measures
    Both("Kvadrat Qarış", "", "(inch*7)^2"),
    Both("Kvadrat Arşın", "", "(inch*28)^2"),
    Both("Kvadrat Sajin", "", "(inch*84)^2"),
    Both("Disätinä", "", "(inch*84)^2*2400"),
    Both("Kvadrat Çaqrım", "", "(inch*42000)^2"),

    Group("Thailand"),  // wa = 2 m
    Both("Tarang Kuep", "", "0,0625"),
    Both("Tarang Sok", "", "0,25"),
    Both("Tarang Wa", "", "4"),
    Both("Ngan", "", "400"),
    Both("Rai", "", "1600"),

    Group("Thaiwan"),
    Both("Ping (坪)", "", "400/121"),

    Group("Ungarn", "Hungary"),  // 1600 square Vienna klafter
    Both("Katasztrális Hold", "", "1,89648384^2*1600"),

    Group("Physik", "Physics"),
    Both("Barn", "b", "1E−28"),
    Both("Millibarn", "mb", "1E-31"),
    Pair("Mikrobarn", "Microbarn", "μb", "1E-34"),
    Both("Nanobarn", "nb", "1E-37"),
    Both("Picobarn", "pb", "1E-40"),
    Both("Femtobarn", "fb", "1E-43"),
    Both("Outhouse", "", "1E−34"),
    Both("Shed", "", "1E−52"),
    Pair("Planck-Fläche", "Planck Area", "", "2,6121E-70"),

    Group("Bibel", "Bible"),  // biblical cubit 21,8 in; a seah of seed sows 50 x 50 cubits
    Both("Beth Seah", "", "(inch*21,8)^2*2500"),
    Both("Beth Kor", "", "(inch*21,8)^2*75000"),

    Group("Permeabilität", "Permeability"),
    Both("Darcy", "D", "9,869233E-13"),
    Both("Millidarcy", "mD", "9,869233E-16"),
    Pair("Mikrodarcy", "Microdarcy", "μD", "9,869233E-19"),

    Group("Zork"),  // the square of the bloit of the length list (1609,344 m)
    Pair("Quadrat-Bloit", "Square Bloit", "", "1609,344^2"),

    Group("Potrzebie"),  // potrzebie = 2,2633484517438 mm
    Pair("Quadrat-Potrzebie", "Square Potrzebie", "", "0,0022633484517438^2"),

    Group("Andere", "Others"),
    Both("Stremma", "", "1000"),
    Pair("Dunam (metrisch)", "Dunam (Metric)", "", "1000"),
    Pair("Dönüm (Osmanisch)", "Dönüm (Ottoman)", "", "919,3"),
    Both("Jerib (Afghanistan)", "", "2000"),
    Pair("Tarea (Dominikanische Republik)", "Tarea (Dominican Republic)", "", "628,86"),
    Both("Cuerda (Puerto Rico)", "", "3930,395"),
    Both("Caballería (Puerto Rico)", "", "3930,395*200"),
    Pair("Caballería (Kuba)", "Caballería (Cuba)", "", "134202"),
    Both("Manzana (Nicaragua)", "", "7026"),
    Pair("Arpent (Québec)", "Arpent (Quebec)", "", "(144/443,296*180)^2"),
    Both("Sotka", "", "100"),
    Pair("Morgen (Südafrika)", "Morgen (South Africa)", "", "8565,3"),
    Both("Labor (Texas)", "", "(inch*100000/3)^2"),
    Both("League (Texas)", "", "(inch*100000/3)^2*25"),
    Pair("Square (Australien)", "Square (Australia)", "", "sqinch*14400"),
    Both("Perch (Sri Lanka)", "", "sqinch*6272640/160"),
    Both("Flag", "", "sqinch*720"),
    Both("Sabin", "", "sqinch*144"),

    Group("Vergleiche", "Comparisons"),
    Pair("Briefmarke", "Postage Stamp", "", "0,025*0,03"),
    Pair("Kreditkarte (ISO 7810)", "Credit Card (ISO 7810)", "", "0,0856*0,05398"),
    Pair("Tennisball (Oberfläche)", "Tennis Ball (Surface)", "", "4*pi*0,0335^2"),
    Pair("Postkarte (DIN A6)", "Postcard (A6)", "", "0,105*0,148"),
    Pair("Papier DIN A4", "Paper A4", "", "0,21*0,297"),
    Pair("Papier US Letter", "Paper US Letter", "", "sqinch*93,5"),
    Pair("Papier DIN A3", "Paper A3", "", "0,297*0,42"),
    Pair("Fußball (Oberfläche)", "Football (Surface)", "", "4*pi*0,11^2"),
    Pair("Schachbrett (Turnier)", "Chessboard (Tournament)", "", "(8*0,057)^2"),
    Pair("Papier DIN A0", "Paper A0", "", "0,841*1,189"),
    Pair("Haut eines Erwachsenen", "Skin of an Adult", "", "1,8"),
    Pair("Billardtisch (9 Fuß)", "Pool Table (9 ft)", "", "sqinch*100*50"),
    Pair("Doppelbett", "Double Bed", "", "1,8*2"),
    Pair("Tischtennisplatte", "Table Tennis Table", "", "2,74*1,525"),
    Pair("Parkplatz", "Parking Space", "", "2,5*5"),
    Pair("Badmintonfeld", "Badminton Court", "", "13,4*6,1"),
    Pair("Volleyballfeld", "Volleyball Court", "", "18*9"),
    Pair("Tennisplatz (Doppel)", "Tennis Court (Doubles)", "", "23,77*10,97"),
    Pair("Basketballfeld (FIBA)", "Basketball Court (FIBA)", "", "28*15"),
    Pair("Handballfeld", "Handball Court", "", "40*20"),
    Pair("Eishockeyfeld (IIHF)", "Ice Hockey Rink (IIHF)", "", "60*30-(4-pi)*8,5^2"),
    Pair("American-Football-Feld", "American Football Field", "", "sqinch*1296*6400"),
    Pair("Fußballfeld (FIFA)", "Football Pitch (FIFA)", "", "105*68"),
    Pair("Vatikanstadt", "Vatican City", "", "440000"),
    Both("Monaco", "", "2,02E6"),
    Both("Central Park", "", "3,41E6"),
    Both("Manhattan", "", "59,1E6"),
    Both("Liechtenstein", "", "160E6"),
    Pair("Bodensee", "Lake Constance", "", "536E6"),
    Both("Berlin", "", "891,12E6"),
    Both("Saarland", "", "2570E6"),
    Pair("Luxemburg", "Luxembourg", "", "2586E6"),
    Pair("Mallorca", "Majorca", "", "3640E6"),
    Pair("Deutschland", "Germany", "", "357592E6"),
    Pair("Frankreich (Metropolitan)", "France (Metropolitan)", "", "551695E6"),
    Both("Texas", "", "695662E6"),
    Pair("Grönland", "Greenland", "", "2166086E6"),
    Pair("Australien", "Australia", "", "7692024E6"),
    Pair("Vereinigte Staaten", "United States", "", "9833517E6"),
    Pair("Russland", "Russia", "", "17098246E6"),
    Pair("Mondoberfläche", "Surface of the Moon", "", "3,793E13"),
    Pair("Marsoberfläche", "Surface of Mars", "", "1,4437E14"),
    Pair("Landfläche der Erde", "Land Area of the Earth", "", "1,48847E14"),
    Pair("Ozeanfläche der Erde", "Ocean Area of the Earth", "", "3,61254E14"),
    Pair("Erdoberfläche", "Surface of the Earth", "", "5,10072E14"),
    Pair("Jupiteroberfläche", "Surface of Jupiter", "", "6,1419E16"),
    Pair("Sonnenoberfläche", "Surface of the Sun", "", "6,0877E18"),
};

}  // namespace

QUARNELO_BUILDER(area, 5, 14, 8, 5, 14, 8, kRows)
