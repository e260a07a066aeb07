<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>zq::About</name>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Calculate/Convert</source>
        <translation>Hesapla/Dönüştür</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Ana sayfa</translation>
    </message>
    <message>
        <source>Donation:</source>
        <translation>Bağış:</translation>
    </message>
    <message>
        <source>Copyright © Zentiqua developers</source>
        <translation>Telif hakkı © Zentiqua geliştiricileri</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Number of Calculator/Converter: %1</source>
        <translation>Hesaplayıcı/Dönüştürücü sayısı: %1</translation>
    </message>
</context>
<context>
    <name>zq::AdsenseCC</name>
    <message>
        <source>Adsense Code Converter for Blogger</source>
        <translation>Blogger için Adsense Kod Dönüştürücü</translation>
    </message>
    <message>
        <source>Ad code</source>
        <translation>Reklam kodu</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Dönüştür</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Temizle</translation>
    </message>
</context>
<context>
    <name>zq::ArithmeticProgression</name>
    <message>
        <source>Arithmetic Progression Calculator</source>
        <translation>Aritmetik Dizi Hesaplayıcı</translation>
    </message>
    <message>
        <source>Common Difference</source>
        <translation>Ortak Fark</translation>
    </message>
</context>
<context>
    <name>zq::AtomicMass</name>
    <message>
        <source>Hydrogen</source>
        <translation>Hidrojen</translation>
    </message>
    <message>
        <source>Helium</source>
        <translation>Helyum</translation>
    </message>
    <message>
        <source>Lithium</source>
        <translation>Lityum</translation>
    </message>
    <message>
        <source>Beryllium</source>
        <translation>Berilyum</translation>
    </message>
    <message>
        <source>Boron</source>
        <translation>Bor</translation>
    </message>
    <message>
        <source>Carbon</source>
        <translation>Karbon</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>Azot</translation>
    </message>
    <message>
        <source>Oxygen</source>
        <translation>Oksijen</translation>
    </message>
    <message>
        <source>Fluorine</source>
        <translation>Flor</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neon</translation>
    </message>
    <message>
        <source>Sodium</source>
        <translation>Sodyum</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>Magnezyum</translation>
    </message>
    <message>
        <source>Aluminium</source>
        <translation>Alüminyum</translation>
    </message>
    <message>
        <source>Silicon</source>
        <translation>Silisyum</translation>
    </message>
    <message>
        <source>Phosphorus</source>
        <translation>Fosfor</translation>
    </message>
    <message>
        <source>Sulfur</source>
        <translation>Kükürt</translation>
    </message>
    <message>
        <source>Chlorine</source>
        <translation>Klor</translation>
    </message>
    <message>
        <source>Argon</source>
        <translation>Argon</translation>
    </message>
    <message>
        <source>Potassium</source>
        <translation>Potasyum</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>Kalsiyum</translation>
    </message>
    <message>
        <source>Scandium</source>
        <translation>Skandiyum</translation>
    </message>
    <message>
        <source>Titanium</source>
        <translation>Titanyum</translation>
    </message>
    <message>
        <source>Vanadium</source>
        <translation>Vanadyum</translation>
    </message>
    <message>
        <source>Chromium</source>
        <translation>Krom</translation>
    </message>
    <message>
        <source>Manganese</source>
        <translation>Mangan</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>Demir</translation>
    </message>
    <message>
        <source>Cobalt</source>
        <translation>Kobalt</translation>
    </message>
    <message>
        <source>Nickel</source>
        <translation>Nikel</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Bakır</translation>
    </message>
    <message>
        <source>Zinc</source>
        <translation>Çinko</translation>
    </message>
    <message>
        <source>Gallium</source>
        <translation>Galyum</translation>
    </message>
    <message>
        <source>Germanium</source>
        <translation>Germanyum</translation>
    </message>
    <message>
        <source>Arsenic</source>
        <translation>Arsenik</translation>
    </message>
    <message>
        <source>Selenium</source>
        <translation>Selenyum</translation>
    </message>
    <message>
        <source>Bromine</source>
        <translation>Brom</translation>
    </message>
    <message>
        <source>Krypton</source>
        <translation>Kripton</translation>
    </message>
    <message>
        <source>Rubidium</source>
        <translation>Rubidyum</translation>
    </message>
    <message>
        <source>Strontium</source>
        <translation>Stronsiyum</translation>
    </message>
    <message>
        <source>Yttrium</source>
        <translation>İtriyum</translation>
    </message>
    <message>
        <source>Zirconium</source>
        <translation>Zirkonyum</translation>
    </message>
    <message>
        <source>Niobium</source>
        <translation>Niyobyum</translation>
    </message>
    <message>
        <source>Molybdenum</source>
        <translation>Molibden</translation>
    </message>
    <message>
        <source>Technetium</source>
        <translation>Teknesyum</translation>
    </message>
    <message>
        <source>Ruthenium</source>
        <translation>Rutenyum</translation>
    </message>
    <message>
        <source>Rhodium</source>
        <translation>Rodyum</translation>
    </message>
    <message>
        <source>Palladium</source>
        <translation>Paladyum</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Gümüş</translation>
    </message>
    <message>
        <source>Cadmium</source>
        <translation>Kadmiyum</translation>
    </message>
    <message>
        <source>Indium</source>
        <translation>İndiyum</translation>
    </message>
    <message>
        <source>Tin</source>
        <translation>Kalay</translation>
    </message>
    <message>
        <source>Antimony</source>
        <translation>Antimon</translation>
    </message>
    <message>
        <source>Tellurium</source>
        <translation>Tellür</translation>
    </message>
    <message>
        <source>Iodine</source>
        <translation>İyot</translation>
    </message>
    <message>
        <source>Xenon</source>
        <translation>Ksenon</translation>
    </message>
    <message>
        <source>Caesium</source>
        <translation>Sezyum</translation>
    </message>
    <message>
        <source>Barium</source>
        <translation>Baryum</translation>
    </message>
    <message>
        <source>Lanthanum</source>
        <translation>Lantan</translation>
    </message>
    <message>
        <source>Cerium</source>
        <translation>Seryum</translation>
    </message>
    <message>
        <source>Praseodymium</source>
        <translation>Praseodim</translation>
    </message>
    <message>
        <source>Neodymium</source>
        <translation>Neodim</translation>
    </message>
    <message>
        <source>Promethium</source>
        <translation>Prometyum</translation>
    </message>
    <message>
        <source>Samarium</source>
        <translation>Samaryum</translation>
    </message>
    <message>
        <source>Europium</source>
        <translation>Evropiyum</translation>
    </message>
    <message>
        <source>Gadolinium</source>
        <translation>Gadolinyum</translation>
    </message>
    <message>
        <source>Terbium</source>
        <translation>Terbiyum</translation>
    </message>
    <message>
        <source>Dysprosium</source>
        <translation>Disprosyum</translation>
    </message>
    <message>
        <source>Holmium</source>
        <translation>Holmiyum</translation>
    </message>
    <message>
        <source>Erbium</source>
        <translation>Erbiyum</translation>
    </message>
    <message>
        <source>Thulium</source>
        <translation>Tulyum</translation>
    </message>
    <message>
        <source>Ytterbium</source>
        <translation>İterbiyum</translation>
    </message>
    <message>
        <source>Lutetium</source>
        <translation>Lutesyum</translation>
    </message>
    <message>
        <source>Hafnium</source>
        <translation>Hafniyum</translation>
    </message>
    <message>
        <source>Tantalum</source>
        <translation>Tantal</translation>
    </message>
    <message>
        <source>Tungsten</source>
        <translation>Tungsten</translation>
    </message>
    <message>
        <source>Rhenium</source>
        <translation>Renyum</translation>
    </message>
    <message>
        <source>Osmium</source>
        <translation>Osmiyum</translation>
    </message>
    <message>
        <source>Iridium</source>
        <translation>İridyum</translation>
    </message>
    <message>
        <source>Platinum</source>
        <translation>Platin</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Altın</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Cıva</translation>
    </message>
    <message>
        <source>Thallium</source>
        <translation>Talyum</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>Kurşun</translation>
    </message>
    <message>
        <source>Bismuth</source>
        <translation>Bizmut</translation>
    </message>
    <message>
        <source>Polonium</source>
        <translation>Polonyum</translation>
    </message>
    <message>
        <source>Astatine</source>
        <translation>Astatin</translation>
    </message>
    <message>
        <source>Radon</source>
        <translation>Radon</translation>
    </message>
    <message>
        <source>Francium</source>
        <translation>Fransiyum</translation>
    </message>
    <message>
        <source>Radium</source>
        <translation>Radyum</translation>
    </message>
    <message>
        <source>Actinium</source>
        <translation>Aktinyum</translation>
    </message>
    <message>
        <source>Thorium</source>
        <translation>Toryum</translation>
    </message>
    <message>
        <source>Protactinium</source>
        <translation>Protaktinyum</translation>
    </message>
    <message>
        <source>Uranium</source>
        <translation>Uranyum</translation>
    </message>
    <message>
        <source>Neptunium</source>
        <translation>Neptünyum</translation>
    </message>
    <message>
        <source>Plutonium</source>
        <translation>Plütonyum</translation>
    </message>
    <message>
        <source>Americium</source>
        <translation>Amerikyum</translation>
    </message>
    <message>
        <source>Curium</source>
        <translation>Küriyum</translation>
    </message>
    <message>
        <source>Berkelium</source>
        <translation>Berkelyum</translation>
    </message>
    <message>
        <source>Californium</source>
        <translation>Kaliforniyum</translation>
    </message>
    <message>
        <source>Einsteinium</source>
        <translation>Aynştaynyum</translation>
    </message>
    <message>
        <source>Fermium</source>
        <translation>Fermiyum</translation>
    </message>
    <message>
        <source>Mendelevium</source>
        <translation>Mendelevyum</translation>
    </message>
    <message>
        <source>Nobelium</source>
        <translation>Nobelyum</translation>
    </message>
    <message>
        <source>Lawrencium</source>
        <translation>Lavrensiyum</translation>
    </message>
    <message>
        <source>Rutherfordium</source>
        <translation>Rutherfordiyum</translation>
    </message>
    <message>
        <source>Dubnium</source>
        <translation>Dubniyum</translation>
    </message>
    <message>
        <source>Seaborgium</source>
        <translation>Seaborgiyum</translation>
    </message>
    <message>
        <source>Bohrium</source>
        <translation>Bohriyum</translation>
    </message>
    <message>
        <source>Hassium</source>
        <translation>Hassiyum</translation>
    </message>
    <message>
        <source>Meitnerium</source>
        <translation>Meitneriyum</translation>
    </message>
    <message>
        <source>Darmstadtium</source>
        <translation>Darmstadtiyum</translation>
    </message>
    <message>
        <source>Roentgenium</source>
        <translation>Röntgenyum</translation>
    </message>
    <message>
        <source>Copernicium</source>
        <translation>Kopernikyum</translation>
    </message>
    <message>
        <source>Nihonium</source>
        <translation>Nihonyum</translation>
    </message>
    <message>
        <source>Flerovium</source>
        <translation>Flerovyum</translation>
    </message>
    <message>
        <source>Moscovium</source>
        <translation>Moskovyum</translation>
    </message>
    <message>
        <source>Livermorium</source>
        <translation>Livermoryum</translation>
    </message>
    <message>
        <source>Tennessine</source>
        <translation>Tennesin</translation>
    </message>
    <message>
        <source>Oganesson</source>
        <translation>Oganesson</translation>
    </message>
    <message>
        <source>%1 (%2) = %3 g/mol</source>
        <translation>%1 (%2) = %3 g/mol</translation>
    </message>
    <message>
        <source>Count too large: %1</source>
        <translation>Atom sayısı çok büyük: %1</translation>
    </message>
    <message>
        <source>No element is called %1</source>
        <translation>%1 adında bir element yok</translation>
    </message>
    <message>
        <source>%1 is %2 g/mol</source>
        <translation>%1 için molar kütle: %2 g/mol</translation>
    </message>
    <message>
        <source>No chemical has symbol %1</source>
        <translation>Sembolü %1 olan bir element yok</translation>
    </message>
</context>
<context>
    <name>zq::AutoLoan</name>
    <message>
        <source>Auto Loan Calculator</source>
        <translation>Taşıt Kredisi Hesaplayıcı</translation>
    </message>
    <message>
        <source>Amount (Vehicle Price)</source>
        <translation>Tutar (Araç Fiyatı)</translation>
    </message>
    <message>
        <source>Annual Interest Rate</source>
        <translation>Yıllık Faiz Oranı</translation>
    </message>
    <message>
        <source>Term/Period</source>
        <translation>Vade/Süre</translation>
    </message>
    <message>
        <source>Monthly Payment</source>
        <translation>Aylık Taksit</translation>
    </message>
    <message>
        <source>Total Amount to Pay</source>
        <translation>Ödenecek Toplam Tutar</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Hesapla</translation>
    </message>
</context>
<context>
    <name>zq::Base64String</name>
    <message>
        <source>Base64 to String</source>
        <translation>Base64&apos;ten Metne</translation>
    </message>
    <message>
        <source>Text to convert</source>
        <translation>Dönüştürülecek metin</translation>
    </message>
    <message>
        <source>Converted text</source>
        <translation>Dönüştürülmüş metin</translation>
    </message>
    <message>
        <source>String to Base64</source>
        <translation>Metinden Base64&apos;e</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Dönüştür</translation>
    </message>
    <message>
        <source>Not Base64</source>
        <translation>Base64 değil</translation>
    </message>
</context>
<context>
    <name>zq::BassBoat</name>
    <message>
        <source>Bass Fishing Boat Speed Calculator</source>
        <translation>Bass Balıkçı Teknesi Hız Hesaplayıcı</translation>
    </message>
    <message>
        <source>Engine RPM</source>
        <translation>Motor Devri (RPM)</translation>
    </message>
    <message>
        <source>Prop Pitch in inch</source>
        <translation>Pervane Hatvesi (inç)</translation>
    </message>
    <message>
        <source>Gear Ratio</source>
        <translation>Dişli Oranı</translation>
    </message>
    <message>
        <source>True MPH</source>
        <translation>Gerçek MPH</translation>
    </message>
    <message>
        <source>True KPH</source>
        <translation>Gerçek km/sa</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Hesapla</translation>
    </message>
    <message>
        <source>A gear ratio other than zero</source>
        <translation>Sıfırdan farklı bir dişli oranı</translation>
    </message>
</context>
<context>
    <name>zq::Binary</name>
    <message>
        <source>Binary to Number</source>
        <translation>İkiliden Sayıya</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Sayı</translation>
    </message>
    <message>
        <source>Number to Binary</source>
        <translation>Sayıdan İkiliğe</translation>
    </message>
    <message>
        <source>-&gt; (1 to 2147483647)</source>
        <translation>-&gt; (1 ile 2147483647 arası)</translation>
    </message>
    <message>
        <source>Binary digits only</source>
        <translation>Yalnızca ikilik rakamlar</translation>
    </message>
</context>
<context>
    <name>zq::Birthday</name>
    <message>
        <source>Birthday Calculator</source>
        <translation>Doğum Günü Hesaplayıcı</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Yaş</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Gün</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Ay</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Yıl</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Hesapla</translation>
    </message>
    <message>
        <source>If it display wrong age, replace month with day.</source>
        <translation>Yaş yanlış görünürse ay ile günün yerini değiştirin.</translation>
    </message>
    <message>
        <source>A birth date not after today</source>
        <translation>Bugünden sonra olmayan bir doğum tarihi</translation>
    </message>
</context>
<context>
    <name>zq::BodyMass</name>
    <message>
        <source>BMI Calculator</source>
        <translation>VKİ Hesaplayıcı</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Metrik</translation>
    </message>
    <message>
        <source>English</source>
        <translation>İngiliz</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Ağırlık</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Boy</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>in</source>
        <translation>inç</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>İnç</translation>
    </message>
    <message>
        <source>Your BMI</source>
        <translation>VKİ&apos;niz</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Hesapla</translation>
    </message>
    <message>
        <source>Underweight = &lt;18.5</source>
        <translation>Zayıf = &lt;18,5</translation>
    </message>
    <message>
        <source>Normal weight = 18.5 - 24.9</source>
        <translation>Normal kilolu = 18,5 - 24,9</translation>
    </message>
    <message>
        <source>Overweight = 25 - 29.9</source>
        <translation>Fazla kilolu = 25 - 29,9</translation>
    </message>
    <message>
        <source>Obesity = 30 or greater</source>
        <translation>Obez = 30 veya üzeri</translation>
    </message>
    <message>
        <source>ft</source>
        <translation>ft</translation>
    </message>
    <message>
        <source>lbs</source>
        <translation>lbs</translation>
    </message>
    <message>
        <source>A height other than zero</source>
        <translation>Sıfırdan farklı bir boy</translation>
    </message>
</context>
<context>
    <name>zq::BodySurface</name>
    <message>
        <source>Body Surface Area Calculator</source>
        <translation>Vücut Yüzey Alanı Hesaplayıcı</translation>
    </message>
    <message>
        <source>Weight (kg)</source>
        <translation>Ağırlık (kg)</translation>
    </message>
    <message>
        <source>Height (cm)</source>
        <translation>Boy (cm)</translation>
    </message>
    <message>
        <source>BSA</source>
        <translation>VYA</translation>
    </message>
    <message>
        <source>m²</source>
        <translation>m²</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Hesapla</translation>
    </message>
    <message>
        <source>Newborn = 0.25 m²
Child of 2 years = 0.5 m²
9 years = 1.07 m²
10 years = 1.14 m²
12-13 years = 1.33 m²
Women = 1.6 m²
Men = 1.9 m²</source>
        <translation>Yenidoğan = 0,25 m²
2 yaşında çocuk = 0,5 m²
9 yaş = 1,07 m²
10 yaş = 1,14 m²
12-13 yaş = 1,33 m²
Kadın = 1,6 m²
Erkek = 1,9 m²</translation>
    </message>
    <message>
        <source>A number not below zero</source>
        <translation>Sıfırdan küçük olmayan bir sayı</translation>
    </message>
</context>
<context>
    <name>zq::Burclar</name>
    <message>
        <source>Zodiac Calculator</source>
        <translation>Burç Hesaplayıcı</translation>
    </message>
    <message>
        <source>Zodiac sign</source>
        <translation>Burç</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Gün</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Ay</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Hesapla</translation>
    </message>
</context>
<context>
    <name>zq::Calendar</name>
    <message>
        <source>Aquarius</source>
        <translation>Kova</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Balık</translation>
    </message>
    <message>
        <source>Aries</source>
        <translation>Koç</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Boğa</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>İkizler</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Yengeç</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Aslan</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Başak</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Terazi</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Akrep</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Yay</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Oğlak</translation>
    </message>
    <message>
        <source>%1 years %2 months %3 days</source>
        <translation>%1 yıl %2 ay %3 gün</translation>
    </message>
    <message>
        <source>Age: %1</source>
        <translation>Yaş: %1</translation>
    </message>
    <message>
        <source>Age in Minutes: %1</source>
        <translation>Dakika olarak yaş: %1</translation>
    </message>
    <message>
        <source>Age in Hours: %1</source>
        <translation>Saat olarak yaş: %1</translation>
    </message>
    <message>
        <source>Age in Days: %1</source>
        <translation>Gün olarak yaş: %1</translation>
    </message>
    <message>
        <source>Age in Weeks: %1</source>
        <translation>Hafta olarak yaş: %1</translation>
    </message>
    <message>
        <source>Age in Months: %1</source>
        <translation>Ay olarak yaş: %1</translation>
    </message>
    <message>
        <source>Born Day: %1</source>
        <translation>Doğduğunuz gün: %1</translation>
    </message>
    <message>
        <source>Wrong Type</source>
        <translation>Geçersiz tarih</translation>
    </message>
</context>
<context>
    <name>zq::CalendarWindows</name>
    <message>
        <source>No such date</source>
        <translation>Böyle bir tarih yok</translation>
    </message>
    <message>
        <source>Year read as %1</source>
        <translation>Yıl %1 olarak okundu</translation>
    </message>
</context>
<context>
    <name>zq::CharacterNumber</name>
    <message>
        <source>Character Number Calculator</source>
        <translation>Karakter Sayısı Hesaplayıcı</translation>
    </message>
    <message>
        <source>Character to count</source>
        <translation>Sayılacak karakter</translation>
    </message>
    <message>
        <source>String</source>
        <translation>Metin</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Karakter</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Tek</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Sonuç</translation>
    </message>
    <message>
        <source>Totally</source>
        <translation>Toplam</translation>
    </message>
    <message>
        <source>Empty: no character to count</source>
        <translation>Boş: sayılacak karakter yok</translation>
    </message>
    <message numerus="yes">
        <source>There are %n characters.</source>
        <translation>
            <numerusform>%n karakter var.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>zq::CompoundInterest</name>
    <message>
        <source>Compound Interest Calculator</source>
        <translation>Bileşik Faiz Hesaplayıcı</translation>
    </message>
    <message>
        <source>Base amount</source>
        <translation>Ana para</translation>
    </message>
    <message>
        <source>Annual interest rate</source>
        <translation>Yıllık faiz oranı</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Yıl</translation>
    </message>
    <message>
        <source>Total Amount</source>
        <translation>Toplam Tutar</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Hesapla</translation>
    </message>
</context>
<context>
    <name>zq::Computation</name>
    <message>
        <source>Out of date: an input has changed since</source>
        <translation>Güncel değil: sonuçtan sonra bir girdi değişti</translation>
    </message>
    <message>
        <source>A number other than zero</source>
        <translation>Sıfırdan farklı bir sayı</translation>
    </message>
</context>
<context>
    <name>zq::Controls</name>
    <message>
        <source>Please wait...</source>
        <translation>Lütfen bekleyin...</translation>
    </message>
</context>
<context>
    <name>zq::ConversionTables</name>
    <message>
        <source>Milligram</source>
        <translation>Miligram</translation>
    </message>
    <message>
        <source>Gram</source>
        <translation>Gram</translation>
    </message>
    <message>
        <source>Kilogram</source>
        <translation>Kilogram</translation>
    </message>
    <message>
        <source>Metric Ton</source>
        <translation>Metrik ton</translation>
    </message>
    <message>
        <source>Short Ton</source>
        <translation>Kısa ton</translation>
    </message>
    <message>
        <source>Long Ton</source>
        <translation>Uzun ton</translation>
    </message>
    <message>
        <source>Slug</source>
        <translation>Slug</translation>
    </message>
    <message>
        <source>Pound</source>
        <translation>Libre</translation>
    </message>
    <message>
        <source>Ounce</source>
        <translation>Ons</translation>
    </message>
    <message>
        <source>Ounce Metric</source>
        <translation>Metrik ons</translation>
    </message>
    <message>
        <source>Grain</source>
        <translation>Gren</translation>
    </message>
    <message>
        <source>Grain Metric</source>
        <translation>Metrik gren</translation>
    </message>
    <message>
        <source>Stone</source>
        <translation>Stone</translation>
    </message>
    <message>
        <source>Centigram</source>
        <translation>Santigram</translation>
    </message>
    <message>
        <source>Decigram</source>
        <translation>Desigram</translation>
    </message>
    <message>
        <source>Dekagram</source>
        <translation>Dekagram</translation>
    </message>
    <message>
        <source>Hectogram</source>
        <translation>Hektogram</translation>
    </message>
    <message>
        <source>Megagram</source>
        <translation>Megagram</translation>
    </message>
    <message>
        <source>Microgram</source>
        <translation>Mikrogram</translation>
    </message>
    <message>
        <source>Nanogram</source>
        <translation>Nanogram</translation>
    </message>
    <message>
        <source>Petagram</source>
        <translation>Petagram</translation>
    </message>
    <message>
        <source>Picogram</source>
        <translation>Pikogram</translation>
    </message>
    <message>
        <source>Oka</source>
        <translation>Okka</translation>
    </message>
    <message>
        <source>Drachme</source>
        <translation>Dirhem</translation>
    </message>
    <message>
        <source>Batman</source>
        <translation>Batman</translation>
    </message>
    <message>
        <source>Newton</source>
        <translation>Newton</translation>
    </message>
    <message>
        <source>French Ounce</source>
        <translation>Fransız onsu</translation>
    </message>
    <message>
        <source>Quintal</source>
        <translation>Kental</translation>
    </message>
    <message>
        <source>Carat</source>
        <translation>Karat</translation>
    </message>
    <message>
        <source>Troy Pound</source>
        <translation>Troy libresi</translation>
    </message>
    <message>
        <source>Troy Ounce</source>
        <translation>Troy ons</translation>
    </message>
    <message>
        <source>Catty</source>
        <translation>Catty</translation>
    </message>
    <message>
        <source>Zentner</source>
        <translation>Zentner</translation>
    </message>
    <message>
        <source>Pfund</source>
        <translation>Pfund</translation>
    </message>
    <message>
        <source>Kiloton</source>
        <translation>Kiloton</translation>
    </message>
    <message>
        <source>Megaton</source>
        <translation>Megaton</translation>
    </message>
    <message>
        <source>Gigaton</source>
        <translation>Gigaton</translation>
    </message>
    <message>
        <source>Atomic Mass</source>
        <translation>Atomik kütle</translation>
    </message>
    <message>
        <source>Atomic Mass(chem.)</source>
        <translation>Atomik kütle (kim.)</translation>
    </message>
    <message>
        <source>Atomic Mass(phys.)</source>
        <translation>Atomik kütle (fiz.)</translation>
    </message>
    <message>
        <source>Electron Mass</source>
        <translation>Elektron kütlesi</translation>
    </message>
    <message>
        <source>Proton Mass</source>
        <translation>Proton kütlesi</translation>
    </message>
    <message>
        <source>Neutron Mass</source>
        <translation>Nötron kütlesi</translation>
    </message>
    <message>
        <source>Muon Mass</source>
        <translation>Müon kütlesi</translation>
    </message>
    <message>
        <source>Deuteron Mass</source>
        <translation>Döteron kütlesi</translation>
    </message>
    <message>
        <source>Alpha Particle Mass</source>
        <translation>Alfa parçacığı kütlesi</translation>
    </message>
    <message>
        <source>Planck Mass</source>
        <translation>Planck kütlesi</translation>
    </message>
    <message>
        <source>Liter</source>
        <translation>Litre</translation>
    </message>
    <message>
        <source>Dekaliter</source>
        <translation>Dekalitre</translation>
    </message>
    <message>
        <source>Deciliter</source>
        <translation>Desilitre</translation>
    </message>
    <message>
        <source>Centiliter</source>
        <translation>Santilitre</translation>
    </message>
    <message>
        <source>Milliliter</source>
        <translation>Mililitre</translation>
    </message>
    <message>
        <source>Hectoliter</source>
        <translation>Hektolitre</translation>
    </message>
    <message>
        <source>Microliter</source>
        <translation>Mikrolitre</translation>
    </message>
    <message>
        <source>Kiloliter</source>
        <translation>Kilolitre</translation>
    </message>
    <message>
        <source>Megaliter</source>
        <translation>Megalitre</translation>
    </message>
    <message>
        <source>Cubic Micrometer</source>
        <translation>Mikrometreküp</translation>
    </message>
    <message>
        <source>Cubic Millimeter</source>
        <translation>Milimetreküp</translation>
    </message>
    <message>
        <source>Cubic Centimeter</source>
        <translation>Santimetreküp</translation>
    </message>
    <message>
        <source>Cubic Decimeter</source>
        <translation>Desimetreküp</translation>
    </message>
    <message>
        <source>Cubic Decameter</source>
        <translation>Dekametreküp</translation>
    </message>
    <message>
        <source>Cubic Hectometer</source>
        <translation>Hektometreküp</translation>
    </message>
    <message>
        <source>Cubic Meter</source>
        <translation>Metreküp</translation>
    </message>
    <message>
        <source>Cubic Kilometer</source>
        <translation>Kilometreküp</translation>
    </message>
    <message>
        <source>Cubic Foot</source>
        <translation>Fit küp</translation>
    </message>
    <message>
        <source>Cubic Inch</source>
        <translation>İnç küp</translation>
    </message>
    <message>
        <source>Cubic Mile</source>
        <translation>Mil küp</translation>
    </message>
    <message>
        <source>Cubic Yard</source>
        <translation>Yarda küp</translation>
    </message>
    <message>
        <source>Dram</source>
        <translation>Dram</translation>
    </message>
    <message>
        <source>Gallon US</source>
        <translation>Galon (ABD)</translation>
    </message>
    <message>
        <source>Gallon UK</source>
        <translation>Galon (İngiliz)</translation>
    </message>
    <message>
        <source>Cup</source>
        <translation>Bardak</translation>
    </message>
    <message>
        <source>Cup Metric</source>
        <translation>Metrik bardak</translation>
    </message>
    <message>
        <source>Cup Japan</source>
        <translation>Japon bardağı</translation>
    </message>
    <message>
        <source>Teaspoon</source>
        <translation>Çay kaşığı</translation>
    </message>
    <message>
        <source>Teaspoon Metric</source>
        <translation>Metrik çay kaşığı</translation>
    </message>
    <message>
        <source>Tablespoon</source>
        <translation>Yemek kaşığı</translation>
    </message>
    <message>
        <source>Tablespoon Metric</source>
        <translation>Metrik yemek kaşığı</translation>
    </message>
    <message>
        <source>Liquid Quart</source>
        <translation>Sıvı kuart</translation>
    </message>
    <message>
        <source>Dry Quart</source>
        <translation>Kuru kuart</translation>
    </message>
    <message>
        <source>Bushel</source>
        <translation>Buşel</translation>
    </message>
    <message>
        <source>Pony</source>
        <translation>Pony</translation>
    </message>
    <message>
        <source>Fifth</source>
        <translation>Fifth</translation>
    </message>
    <message>
        <source>Fluid Ounce US</source>
        <translation>Sıvı ons (ABD)</translation>
    </message>
    <message>
        <source>Fluid Ounce UK</source>
        <translation>Sıvı ons (İngiliz)</translation>
    </message>
    <message>
        <source>Gill US</source>
        <translation>Gill (ABD)</translation>
    </message>
    <message>
        <source>Gill UK</source>
        <translation>Gill (İngiliz)</translation>
    </message>
    <message>
        <source>Jigger</source>
        <translation>Jigger</translation>
    </message>
    <message>
        <source>Bucket US</source>
        <translation>Kova (ABD)</translation>
    </message>
    <message>
        <source>Bucket UK</source>
        <translation>Kova (İngiliz)</translation>
    </message>
    <message>
        <source>Pint US</source>
        <translation>Pint (ABD)</translation>
    </message>
    <message>
        <source>Pint UK</source>
        <translation>Pint (İngiliz)</translation>
    </message>
    <message>
        <source>Minim</source>
        <translation>Minim</translation>
    </message>
    <message>
        <source>Shot EU</source>
        <translation>Shot (AB)</translation>
    </message>
    <message>
        <source>Magnum</source>
        <translation>Magnum</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Split</translation>
    </message>
    <message>
        <source>Angstrom</source>
        <translation>Angstrom</translation>
    </message>
    <message>
        <source>Attometer</source>
        <translation>Attometre</translation>
    </message>
    <message>
        <source>Picometer</source>
        <translation>Pikometre</translation>
    </message>
    <message>
        <source>Nanometer</source>
        <translation>Nanometre</translation>
    </message>
    <message>
        <source>Micrometer</source>
        <translation>Mikrometre</translation>
    </message>
    <message>
        <source>Millimeter</source>
        <translation>Milimetre</translation>
    </message>
    <message>
        <source>Centimeter</source>
        <translation>Santimetre</translation>
    </message>
    <message>
        <source>Decimeter</source>
        <translation>Desimetre</translation>
    </message>
    <message>
        <source>Dekameter</source>
        <translation>Dekametre</translation>
    </message>
    <message>
        <source>Hectometer</source>
        <translation>Hektometre</translation>
    </message>
    <message>
        <source>Micron</source>
        <translation>Mikron</translation>
    </message>
    <message>
        <source>Microinch</source>
        <translation>Mikroinç</translation>
    </message>
    <message>
        <source>Inch</source>
        <translation>İnç</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>Yard</source>
        <translation>Yarda</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Metre</translation>
    </message>
    <message>
        <source>Kilometer</source>
        <translation>Kilometre</translation>
    </message>
    <message>
        <source>Exameter</source>
        <translation>Eksametre</translation>
    </message>
    <message>
        <source>Femtometer</source>
        <translation>Femtometre</translation>
    </message>
    <message>
        <source>Gigameter</source>
        <translation>Gigametre</translation>
    </message>
    <message>
        <source>Megameter</source>
        <translation>Megametre</translation>
    </message>
    <message>
        <source>Petameter</source>
        <translation>Petametre</translation>
    </message>
    <message>
        <source>Terameter</source>
        <translation>Terametre</translation>
    </message>
    <message>
        <source>Mile</source>
        <translation>Mil</translation>
    </message>
    <message>
        <source>Nautical Mile</source>
        <translation>Deniz mili</translation>
    </message>
    <message>
        <source>Fathom</source>
        <translation>Kulaç</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>Gomina</translation>
    </message>
    <message>
        <source>Navy Cable</source>
        <translation>Donanma gominası</translation>
    </message>
    <message>
        <source>Chain</source>
        <translation>Zincir</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Hand</translation>
    </message>
    <message>
        <source>Ell (Arsin)</source>
        <translation>Arşın</translation>
    </message>
    <message>
        <source>Fermi</source>
        <translation>Fermi</translation>
    </message>
    <message>
        <source>X-Unit</source>
        <translation>X birimi</translation>
    </message>
    <message>
        <source>Astronomical Unit</source>
        <translation>Astronomik birim</translation>
    </message>
    <message>
        <source>Light Year</source>
        <translation>Işık yılı</translation>
    </message>
    <message>
        <source>Parsec</source>
        <translation>Parsek</translation>
    </message>
    <message>
        <source>Kiloparsec</source>
        <translation>Kiloparsek</translation>
    </message>
    <message>
        <source>Mils</source>
        <translation>Mils</translation>
    </message>
    <message>
        <source>Pica</source>
        <translation>Pika</translation>
    </message>
    <message>
        <source>Rod</source>
        <translation>Rod</translation>
    </message>
    <message>
        <source>Twip</source>
        <translation>Twip</translation>
    </message>
    <message>
        <source>League</source>
        <translation>Fersah</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Karis</source>
        <translation>Karış</translation>
    </message>
    <message>
        <source>Ken</source>
        <translation>Ken</translation>
    </message>
    <message>
        <source>Reed</source>
        <translation>Kamış</translation>
    </message>
    <message>
        <source>Rope</source>
        <translation>Halat</translation>
    </message>
    <message>
        <source>Russian Archin</source>
        <translation>Rus arşını</translation>
    </message>
    <message>
        <source>Barleycorn</source>
        <translation>Arpa boyu</translation>
    </message>
    <message>
        <source>Furlong</source>
        <translation>Furlong</translation>
    </message>
    <message>
        <source>Thou</source>
        <translation>Thou</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Punto</translation>
    </message>
    <message>
        <source>Point Metric</source>
        <translation>Metrik punto</translation>
    </message>
    <message>
        <source>Square Millimeter</source>
        <translation>Milimetrekare</translation>
    </message>
    <message>
        <source>Square Centimeter</source>
        <translation>Santimetrekare</translation>
    </message>
    <message>
        <source>Square Meter</source>
        <translation>Metrekare</translation>
    </message>
    <message>
        <source>Hectare</source>
        <translation>Hektar</translation>
    </message>
    <message>
        <source>Square Kilometer</source>
        <translation>Kilometrekare</translation>
    </message>
    <message>
        <source>Square Inch</source>
        <translation>İnç kare</translation>
    </message>
    <message>
        <source>Square Foot</source>
        <translation>Fit kare</translation>
    </message>
    <message>
        <source>Square Yard</source>
        <translation>Yarda kare</translation>
    </message>
    <message>
        <source>Acre</source>
        <translation>Akre</translation>
    </message>
    <message>
        <source>Square Mile</source>
        <translation>Mil kare</translation>
    </message>
    <message>
        <source>Dönüm</source>
        <translation>Dönüm</translation>
    </message>
    <message>
        <source>Dekare</source>
        <translation>Dekar</translation>
    </message>
    <message>
        <source>Evlek</source>
        <translation>Evlek</translation>
    </message>
    <message>
        <source>Homestead</source>
        <translation>Homestead</translation>
    </message>
    <message>
        <source>Jugerum</source>
        <translation>Jugerum</translation>
    </message>
    <message>
        <source>New Evlek</source>
        <translation>Yeni evlek</translation>
    </message>
    <message>
        <source>Square Arsin</source>
        <translation>Arşın kare</translation>
    </message>
    <message>
        <source>Square Endaze</source>
        <translation>Endaze kare</translation>
    </message>
    <message>
        <source>Square Decimeter</source>
        <translation>Desimetrekare</translation>
    </message>
    <message>
        <source>Square Dekameter</source>
        <translation>Dekametrekare</translation>
    </message>
    <message>
        <source>Square Hat</source>
        <translation>Hat kare</translation>
    </message>
    <message>
        <source>Square Hektometer</source>
        <translation>Hektometrekare</translation>
    </message>
    <message>
        <source>Square Kirah</source>
        <translation>Kirah kare</translation>
    </message>
    <message>
        <source>Square Urup</source>
        <translation>Urup kare</translation>
    </message>
    <message>
        <source>Square Zirai</source>
        <translation>Zirâ kare</translation>
    </message>
    <message>
        <source>Square Rod</source>
        <translation>Rod kare</translation>
    </message>
    <message>
        <source>Square Chain</source>
        <translation>Zincir kare</translation>
    </message>
    <message>
        <source>Rood</source>
        <translation>Rood</translation>
    </message>
    <message>
        <source>Are</source>
        <translation>Ar</translation>
    </message>
    <message>
        <source>Attowatt</source>
        <translation>Attowatt</translation>
    </message>
    <message>
        <source>Milliwatt</source>
        <translation>Miliwatt</translation>
    </message>
    <message>
        <source>Centiwatt</source>
        <translation>Santiwatt</translation>
    </message>
    <message>
        <source>Dekawatt</source>
        <translation>Dekawatt</translation>
    </message>
    <message>
        <source>Hectowatt</source>
        <translation>Hektowatt</translation>
    </message>
    <message>
        <source>Watt</source>
        <translation>Watt</translation>
    </message>
    <message>
        <source>Kilowatt</source>
        <translation>Kilowatt</translation>
    </message>
    <message>
        <source>Megawatt</source>
        <translation>Megawatt</translation>
    </message>
    <message>
        <source>Gigawatt</source>
        <translation>Gigawatt</translation>
    </message>
    <message>
        <source>Terawatt</source>
        <translation>Terawatt</translation>
    </message>
    <message>
        <source>Horsepower mech.</source>
        <translation>Beygir gücü (mek.)</translation>
    </message>
    <message>
        <source>Horsepower elect.</source>
        <translation>Beygir gücü (elek.)</translation>
    </message>
    <message>
        <source>Joule</source>
        <translation>Joule</translation>
    </message>
    <message>
        <source>Millijoule</source>
        <translation>Milijoule</translation>
    </message>
    <message>
        <source>Microjoule</source>
        <translation>Mikrojoule</translation>
    </message>
    <message>
        <source>Nanojoule</source>
        <translation>Nanojoule</translation>
    </message>
    <message>
        <source>Attojoule</source>
        <translation>Attojoule</translation>
    </message>
    <message>
        <source>Kilojoule</source>
        <translation>Kilojoule</translation>
    </message>
    <message>
        <source>Megajoule</source>
        <translation>Megajoule</translation>
    </message>
    <message>
        <source>Gigajoule</source>
        <translation>Gigajoule</translation>
    </message>
    <message>
        <source>Electron Volt</source>
        <translation>Elektronvolt</translation>
    </message>
    <message>
        <source>Kiloelectron Volt</source>
        <translation>Kiloelektronvolt</translation>
    </message>
    <message>
        <source>Megaelectron Volt</source>
        <translation>Megaelektronvolt</translation>
    </message>
    <message>
        <source>Erg</source>
        <translation>Erg</translation>
    </message>
    <message>
        <source>BTU</source>
        <translation>BTU</translation>
    </message>
    <message>
        <source>Calorie (IT)</source>
        <translation>Kalori (IT)</translation>
    </message>
    <message>
        <source>Calorie (thermochem)</source>
        <translation>Kalori (termokim.)</translation>
    </message>
    <message>
        <source>Calorie (mean)</source>
        <translation>Kalori (ortalama)</translation>
    </message>
    <message>
        <source>Therm</source>
        <translation>Therm</translation>
    </message>
    <message>
        <source>Toe</source>
        <translation>TEP</translation>
    </message>
    <message>
        <source>KVA</source>
        <translation>KVA</translation>
    </message>
    <message>
        <source>Abvolt</source>
        <translation>Abvolt</translation>
    </message>
    <message>
        <source>Attovolt</source>
        <translation>Attovolt</translation>
    </message>
    <message>
        <source>Centivolt</source>
        <translation>Santivolt</translation>
    </message>
    <message>
        <source>Decavolt</source>
        <translation>Dekavolt</translation>
    </message>
    <message>
        <source>Decivolt</source>
        <translation>Desivolt</translation>
    </message>
    <message>
        <source>Exavolt</source>
        <translation>Eksavolt</translation>
    </message>
    <message>
        <source>Femtovolt</source>
        <translation>Femtovolt</translation>
    </message>
    <message>
        <source>Gigavolt</source>
        <translation>Gigavolt</translation>
    </message>
    <message>
        <source>Hectovolt</source>
        <translation>Hektovolt</translation>
    </message>
    <message>
        <source>Kilovolt</source>
        <translation>Kilovolt</translation>
    </message>
    <message>
        <source>Megavolt</source>
        <translation>Megavolt</translation>
    </message>
    <message>
        <source>Microvolt</source>
        <translation>Mikrovolt</translation>
    </message>
    <message>
        <source>Millivolt</source>
        <translation>Milivolt</translation>
    </message>
    <message>
        <source>Nanovolt</source>
        <translation>Nanovolt</translation>
    </message>
    <message>
        <source>Petavolt</source>
        <translation>Petavolt</translation>
    </message>
    <message>
        <source>Picovolt</source>
        <translation>Pikovolt</translation>
    </message>
    <message>
        <source>Statvolt</source>
        <translation>Statvolt</translation>
    </message>
    <message>
        <source>Teravolt</source>
        <translation>Teravolt</translation>
    </message>
    <message>
        <source>Volt</source>
        <translation>Volt</translation>
    </message>
    <message>
        <source>Yoctovolt</source>
        <translation>Yoktovolt</translation>
    </message>
    <message>
        <source>Zeptovolt</source>
        <translation>Zeptovolt</translation>
    </message>
    <message>
        <source>Zettavolt</source>
        <translation>Zettavolt</translation>
    </message>
    <message>
        <source>Abampere</source>
        <translation>Abamper</translation>
    </message>
    <message>
        <source>Ampere</source>
        <translation>Amper</translation>
    </message>
    <message>
        <source>Biot</source>
        <translation>Biot</translation>
    </message>
    <message>
        <source>Centiampere</source>
        <translation>Santiamper</translation>
    </message>
    <message>
        <source>Coulomb/second</source>
        <translation>Coulomb/saniye</translation>
    </message>
    <message>
        <source>Deciampere</source>
        <translation>Desiamper</translation>
    </message>
    <message>
        <source>Dekaampere</source>
        <translation>Dekaamper</translation>
    </message>
    <message>
        <source>Franklin/second</source>
        <translation>Franklin/saniye</translation>
    </message>
    <message>
        <source>Gaussian</source>
        <translation>Gauss birimi</translation>
    </message>
    <message>
        <source>Gigaampere</source>
        <translation>Gigaamper</translation>
    </message>
    <message>
        <source>Gilbert</source>
        <translation>Gilbert</translation>
    </message>
    <message>
        <source>Hectoampere</source>
        <translation>Hektoamper</translation>
    </message>
    <message>
        <source>Kiloampere</source>
        <translation>Kiloamper</translation>
    </message>
    <message>
        <source>Megaampere</source>
        <translation>Megaamper</translation>
    </message>
    <message>
        <source>Microampere</source>
        <translation>Mikroamper</translation>
    </message>
    <message>
        <source>Milliampere</source>
        <translation>Miliamper</translation>
    </message>
    <message>
        <source>Nanoampere</source>
        <translation>Nanoamper</translation>
    </message>
    <message>
        <source>Picoampere</source>
        <translation>Pikoamper</translation>
    </message>
    <message>
        <source>Statampere</source>
        <translation>Statamper</translation>
    </message>
    <message>
        <source>Teraampere</source>
        <translation>Teraamper</translation>
    </message>
    <message>
        <source>Siemens Volt</source>
        <translation>Siemens volt</translation>
    </message>
    <message>
        <source>Volt/Ohm</source>
        <translation>Volt/ohm</translation>
    </message>
    <message>
        <source>Watt/Volt</source>
        <translation>Watt/volt</translation>
    </message>
    <message>
        <source>Weber/Henry</source>
        <translation>Weber/henry</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Derece</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Radian</source>
        <translation>Radyan</translation>
    </message>
    <message>
        <source>Right Angle</source>
        <translation>Dik açı</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Tam açı</translation>
    </message>
    <message>
        <source>Quadrant</source>
        <translation>Kadran</translation>
    </message>
    <message>
        <source>Quintant</source>
        <translation>Kuintant</translation>
    </message>
    <message>
        <source>Sextant</source>
        <translation>Sekstant</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Burç</translation>
    </message>
    <message>
        <source>Pointangle</source>
        <translation>Kerte</translation>
    </message>
    <message>
        <source>Milangle</source>
        <translation>Milyem</translation>
    </message>
    <message>
        <source>Centrad</source>
        <translation>Santiradyan</translation>
    </message>
    <message>
        <source>Arc Minute</source>
        <translation>Yay dakikası</translation>
    </message>
    <message>
        <source>Centesimal Min.</source>
        <translation>Santezimal dk.</translation>
    </message>
    <message>
        <source>Millimeter/second</source>
        <translation>Milimetre/saniye</translation>
    </message>
    <message>
        <source>Centimeter/second</source>
        <translation>Santimetre/saniye</translation>
    </message>
    <message>
        <source>Centimeter/minute</source>
        <translation>Santimetre/dakika</translation>
    </message>
    <message>
        <source>Meter/second</source>
        <translation>Metre/saniye</translation>
    </message>
    <message>
        <source>Meter/minute</source>
        <translation>Metre/dakika</translation>
    </message>
    <message>
        <source>Meter/hour</source>
        <translation>Metre/saat</translation>
    </message>
    <message>
        <source>Kilometer/second</source>
        <translation>Kilometre/saniye</translation>
    </message>
    <message>
        <source>Kilometer/minute</source>
        <translation>Kilometre/dakika</translation>
    </message>
    <message>
        <source>Kilometer/hour</source>
        <translation>Kilometre/saat</translation>
    </message>
    <message>
        <source>Feet/second</source>
        <translation>Fit/saniye</translation>
    </message>
    <message>
        <source>Feet/minute</source>
        <translation>Fit/dakika</translation>
    </message>
    <message>
        <source>Feet/hour</source>
        <translation>Fit/saat</translation>
    </message>
    <message>
        <source>Yard/second</source>
        <translation>Yarda/saniye</translation>
    </message>
    <message>
        <source>Yard/minute</source>
        <translation>Yarda/dakika</translation>
    </message>
    <message>
        <source>Yard/hour</source>
        <translation>Yarda/saat</translation>
    </message>
    <message>
        <source>Mile/second</source>
        <translation>Mil/saniye</translation>
    </message>
    <message>
        <source>Mile/minute</source>
        <translation>Mil/dakika</translation>
    </message>
    <message>
        <source>Mile/hour</source>
        <translation>Mil/saat</translation>
    </message>
    <message>
        <source>Nautical Mile/hour</source>
        <translation>Deniz mili/saat</translation>
    </message>
    <message>
        <source>Furlong/minute</source>
        <translation>Furlong/dakika</translation>
    </message>
    <message>
        <source>Knot</source>
        <translation>Knot</translation>
    </message>
    <message>
        <source>Mach</source>
        <translation>Mach</translation>
    </message>
    <message>
        <source>Speed of Sound</source>
        <translation>Ses hızı</translation>
    </message>
    <message>
        <source>Speed of Light</source>
        <translation>Işık hızı</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Gün</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Ay</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Yıl</translation>
    </message>
    <message>
        <source>Anomalistic month</source>
        <translation>Anomalistik ay</translation>
    </message>
    <message>
        <source>Anomalistic year</source>
        <translation>Anomalistik yıl</translation>
    </message>
    <message>
        <source>Sidereal year</source>
        <translation>Yıldız yılı</translation>
    </message>
    <message>
        <source>Tropical year</source>
        <translation>Tropikal yıl</translation>
    </message>
    <message>
        <source>Gaussian year</source>
        <translation>Gauss yılı</translation>
    </message>
    <message>
        <source>Elipse year</source>
        <translation>Tutulma yılı</translation>
    </message>
    <message>
        <source>Nodical month</source>
        <translation>Düğüm ayı</translation>
    </message>
    <message>
        <source>Sidereal month</source>
        <translation>Yıldız ayı</translation>
    </message>
    <message>
        <source>Saros</source>
        <translation>Saros</translation>
    </message>
    <message>
        <source>Synodic month</source>
        <translation>Sinodik ay</translation>
    </message>
    <message>
        <source>Lunar month</source>
        <translation>Kameri ay</translation>
    </message>
    <message>
        <source>Lunar year</source>
        <translation>Kameri yıl</translation>
    </message>
    <message>
        <source>Lustrum</source>
        <translation>Lustrum</translation>
    </message>
    <message>
        <source>Decade</source>
        <translation>On yıl</translation>
    </message>
    <message>
        <source>Century</source>
        <translation>Yüzyıl</translation>
    </message>
    <message>
        <source>Millennium</source>
        <translation>Bin yıl</translation>
    </message>
    <message>
        <source>Solar year</source>
        <translation>Güneş yılı</translation>
    </message>
    <message>
        <source>Calendar year</source>
        <translation>Takvim yılı</translation>
    </message>
    <message>
        <source>Leap year</source>
        <translation>Artık yıl</translation>
    </message>
    <message>
        <source>Julian year</source>
        <translation>Jülyen yılı</translation>
    </message>
    <message>
        <source>Gregorian year</source>
        <translation>Gregoryen yılı</translation>
    </message>
    <message>
        <source>Islamic month</source>
        <translation>Hicri ay</translation>
    </message>
    <message>
        <source>Islamic year</source>
        <translation>Hicri yıl</translation>
    </message>
    <message>
        <source>Islamic leap year</source>
        <translation>Hicri artık yıl</translation>
    </message>
    <message>
        <source>Mercury day</source>
        <translation>Merkür günü</translation>
    </message>
    <message>
        <source>Venus day</source>
        <translation>Venüs günü</translation>
    </message>
    <message>
        <source>Mars day</source>
        <translation>Mars günü</translation>
    </message>
    <message>
        <source>Jupiter day</source>
        <translation>Jüpiter günü</translation>
    </message>
    <message>
        <source>Saturn day</source>
        <translation>Satürn günü</translation>
    </message>
    <message>
        <source>Uranus day</source>
        <translation>Uranüs günü</translation>
    </message>
    <message>
        <source>Neptune day</source>
        <translation>Neptün günü</translation>
    </message>
    <message>
        <source>Pluto day</source>
        <translation>Plüton günü</translation>
    </message>
    <message>
        <source>Bits</source>
        <translation>Bit</translation>
    </message>
    <message>
        <source>Nibble</source>
        <translation>Nibble</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Bayt</translation>
    </message>
    <message>
        <source>Kilobits</source>
        <translation>Kilobit</translation>
    </message>
    <message>
        <source>Kilobytes</source>
        <translation>Kilobayt</translation>
    </message>
    <message>
        <source>Megabits</source>
        <translation>Megabit</translation>
    </message>
    <message>
        <source>Megabytes</source>
        <translation>Megabayt</translation>
    </message>
    <message>
        <source>Gigabits</source>
        <translation>Gigabit</translation>
    </message>
    <message>
        <source>Gigabytes</source>
        <translation>Gigabayt</translation>
    </message>
    <message>
        <source>Terabits</source>
        <translation>Terabit</translation>
    </message>
    <message>
        <source>Terabytes</source>
        <translation>Terabayt</translation>
    </message>
    <message>
        <source>Petabits</source>
        <translation>Petabit</translation>
    </message>
    <message>
        <source>Petabytes</source>
        <translation>Petabayt</translation>
    </message>
    <message>
        <source>Exabits</source>
        <translation>Eksabit</translation>
    </message>
    <message>
        <source>Exabytes</source>
        <translation>Eksabayt</translation>
    </message>
    <message>
        <source>Zettabytes</source>
        <translation>Zettabayt</translation>
    </message>
    <message>
        <source>Yottabytes</source>
        <translation>Yottabayt</translation>
    </message>
    <message>
        <source>One</source>
        <translation>Bir</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>İki</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Üç</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Dört</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Beş</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Altı</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Yedi</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Sekiz</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Dokuz</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Twenty</source>
        <translation>Yirmi</translation>
    </message>
    <message>
        <source>Thirty</source>
        <translation>Otuz</translation>
    </message>
    <message>
        <source>Forty</source>
        <translation>Kırk</translation>
    </message>
    <message>
        <source>Fifty</source>
        <translation>Elli</translation>
    </message>
    <message>
        <source>Sixty</source>
        <translation>Altmış</translation>
    </message>
    <message>
        <source>Seventy</source>
        <translation>Yetmiş</translation>
    </message>
    <message>
        <source>Eighty</source>
        <translation>Seksen</translation>
    </message>
    <message>
        <source>Ninety</source>
        <translation>Doksan</translation>
    </message>
    <message>
        <source>Hundred</source>
        <translation>Yüz</translation>
    </message>
    <message>
        <source>Thousand</source>
        <translation>Bin</translation>
    </message>
    <message>
        <source>Million</source>
        <translation>Milyon</translation>
    </message>
    <message>
        <source>Billion</source>
        <translation>Milyar</translation>
    </message>
    <message>
        <source>Trillion</source>
        <translation>Trilyon</translation>
    </message>
    <message>
        <source>Quadrillion</source>
        <translation>Katrilyon</translation>
    </message>
    <message>
        <source>Quintillion</source>
        <translation>Kentilyon</translation>
    </message>
    <message>
        <source>Sextillion</source>
        <translation>Seksilyon</translation>
    </message>
    <message>
        <source>Septillion</source>
        <translation>Septilyon</translation>
    </message>
    <message>
        <source>Octillion</source>
        <translation>Oktilyon</translation>
    </message>
    <message>
        <source>Nonillion</source>
        <translation>Nonilyon</translation>
    </message>
    <message>
        <source>Decillion</source>
        <translation>Desilyon</translation>
    </message>
    <message>
        <source>Undecillion</source>
        <translation>Undesilyon</translation>
    </message>
    <message>
        <source>Duodecillion</source>
        <translation>Dodesilyon</translation>
    </message>
    <message>
        <source>Tredecillion</source>
        <translation>Tredesilyon</translation>
    </message>
    <message>
        <source>Quattuordecillion</source>
        <translation>Katordesilyon</translation>
    </message>
    <message>
        <source>Quindecillion</source>
        <translation>Kendesilyon</translation>
    </message>
    <message>
        <source>Sexdecillion</source>
        <translation>Seksdesilyon</translation>
    </message>
    <message>
        <source>Septendecillion</source>
        <translation>Septendesilyon</translation>
    </message>
    <message>
        <source>Octodecillion</source>
        <translation>Oktodesilyon</translation>
    </message>
    <message>
        <source>Novemdecillion</source>
        <translation>Novemdesilyon</translation>
    </message>
    <message>
        <source>Vigintillion</source>
        <translation>Vigintilyon</translation>
    </message>
    <message>
        <source>Centillion</source>
        <translation>Sentilyon</translation>
    </message>
    <message>
        <source>Googol</source>
        <translation>Googol</translation>
    </message>
    <message>
        <source>Dozen</source>
        <translation>Düzine</translation>
    </message>
    <message>
        <source>Bakers Dozen</source>
        <translation>Fırıncı düzinesi</translation>
    </message>
    <message>
        <source>Gross</source>
        <translation>Gros</translation>
    </message>
    <message>
        <source>Short Quire</source>
        <translation>Kısa deste</translation>
    </message>
    <message>
        <source>Quire</source>
        <translation>Deste</translation>
    </message>
    <message>
        <source>Short Ream</source>
        <translation>Kısa top</translation>
    </message>
    <message>
        <source>Ream</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>Perfect Ream</source>
        <translation>Tam top</translation>
    </message>
    <message>
        <source>Bundle</source>
        <translation>Paket</translation>
    </message>
    <message>
        <source>Bale</source>
        <translation>Balya</translation>
    </message>
</context>
<context>
    <name>zq::Creatinine</name>
    <message>
        <source>Creatinine Calculator</source>
        <translation>Kreatinin Hesaplayıcı</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Ağırlık</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Yaş</translation>
    </message>
    <message>
        <source>Serum Creatinine</source>
        <translation>Serum Kreatinin</translation>
    </message>
    <message>
        <source>mg/dL</source>
        <translation>mg/dL</translation>
    </message>
    <message>
        <source>Est. Creatinine Clearance</source>
        <translation>Tahmini Kreatinin Klerensi</translation>
    </message>
    <message>
        <source>mL/min</source>
        <translation>mL/dk</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Erkek</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Kadın</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Hesapla</translation>
    </message>
    <message>
        <source>The results you receive from this calculator are for informational purposes only and should not be the basis of your medical decision making. Consult your physician to determine the medical implications of any tests you take.</source>
        <translation>Bu hesaplayıcıdan aldığınız sonuçlar yalnızca bilgi amaçlıdır ve tıbbi kararlarınıza dayanak olmamalıdır. Yaptırdığınız testlerin tıbbi anlamını öğrenmek için doktorunuza danışın.</translation>
    </message>
    <message>
        <source>An age below 140</source>
        <translation>140&apos;tan küçük bir yaş</translation>
    </message>
    <message>
        <source>A serum creatinine other than zero</source>
        <translation>Sıfırdan farklı bir serum kreatinin değeri</translation>
    </message>
</context>
<context>
    <name>zq::DateCalculate</name>
    <message>
        <source>Date Calculator</source>
        <translation>Tarih Hesaplayıcı</translation>
    </message>
    <message>
        <source>First Date</source>
        <translation>İlk Tarih</translation>
    </message>
    <message>
        <source>Last Date</source>
        <translation>Son Tarih</translation>
    </message>
    <message>
        <source>Elapsed / Remaining</source>
        <translation>Geçen / Kalan</translation>
    </message>
    <message>
        <source>days</source>
        <translation>gün</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Hesapla</translation>
    </message>
    <message>
        <source>Tip: Can type all manner of date format.</source>
        <translation>İpucu: Her türlü tarih biçimi yazılabilir.</translation>
    </message>
    <message>
        <source>A date is needed</source>
        <translation>Bir tarih gerekli</translation>
    </message>
</context>
<context>
    <name>zq::Depreciation</name>
    <message>
        <source>Depreciation Calculator</source>
        <translation>Amortisman Hesaplayıcı</translation>
    </message>
    <message>
        <source>Initial Cost</source>
        <translation>İlk Maliyet</translation>
    </message>
    <message>
        <source>Salvage Value</source>
        <translation>Hurda Değeri</translation>
    </message>
    <message>
        <source>Asset&apos;s Life</source>
        <translation>Faydalı Ömür</translation>
    </message>
    <message>
        <source>Period of Depreciation</source>
        <translation>Amortisman Dönemi</translation>
    </message>
    <message>
        <source>Depreciation</source>
        <translation>Amortisman</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Hesapla</translation>
    </message>
    <message>
        <source>A cost not below zero</source>
        <translation>Sıfırdan küçük olmayan bir maliyet</translation>
    </message>
    <message>
        <source>A value not below zero</source>
        <translation>Sıfırdan küçük olmayan bir değer</translation>
    </message>
    <message>
        <source>A life above zero</source>
        <translation>Sıfırdan büyük bir ömür</translation>
    </message>
    <message>
        <source>A whole period from 1 to the asset&apos;s life</source>
        <translation>1 ile faydalı ömür arasında tam bir dönem</translation>
    </message>
</context>
<context>
    <name>zq::DigestWindow</name>
    <message>
        <source>Text</source>
        <translation>Metin</translation>
    </message>
    <message>
        <source>MD5 digest</source>
        <translation>MD5 özeti</translation>
    </message>
    <message>
        <source>SHA-256 digest</source>
        <translation>SHA-256 özeti</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Hesapla</translation>
    </message>
    <message>
        <source>&amp;File...</source>
        <translation>&amp;Dosya...</translation>
    </message>
    <message>
        <source>Digest of a file</source>
        <translation>Bir dosyanın özeti</translation>
    </message>
    <message>
        <source>Working out the digest of &quot;%1&quot;...</source>
        <translation>&quot;%1&quot; dosyasının özeti hesaplanıyor...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Digest of the file &quot;%1&quot;</source>
        <translation>&quot;%1&quot; dosyasının özeti</translation>
    </message>
</context>
<context>
    <name>zq::Digests</name>
    <message>
        <source>Cannot read &quot;%1&quot;: %2.</source>
        <translation>&quot;%1&quot; okunamıyor: %2.</translation>
    </message>
</context>
<context>
    <name>zq::Divisibility</name>
    <message>
        <source>Divisibility Calculator</source>
        <translation>Bölünebilme Hesaplayıcı</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Sayı</translation>
    </message>
    <message>
        <source>Divisor</source>
        <translation>Bölen</translation>
    </message>
    <message>
        <source>Divisible by x</source>
        <translation>x ile bölünebilir</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Hesapla</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Kurallar</translation>
    </message>
    <message>
        <source>A number other than zero</source>
        <translation>Sıfırdan farklı bir sayı</translation>
    </message>
</context>
<context>
    <name>zq::DivisibilityRules</name>
    <message>
        <source>Divisible by 2:</source>
        <translation>2 ile bölünebilme:</translation>
    </message>
    <message>
        <source>The last digit is even (0,2,4,6,8).</source>
        <translation>Son basamak çifttir (0,2,4,6,8).</translation>
    </message>
    <message>
        <source>Divisible by 3:</source>
        <translation>3 ile bölünebilme:</translation>
    </message>
    <message>
        <source>The sum of the digits is divisible by 3.</source>
        <translation>Rakamların toplamı 3&apos;e bölünür.</translation>
    </message>
    <message>
        <source>Divisible by 4:</source>
        <translation>4 ile bölünebilme:</translation>
    </message>
    <message>
        <source>The last two digits are divisible by 4.</source>
        <translation>Son iki basamak 4&apos;e bölünür.</translation>
    </message>
    <message>
        <source>Or last two digits are 0.</source>
        <translation>Ya da son iki basamak 0&apos;dır.</translation>
    </message>
    <message>
        <source>Divisible by 5:</source>
        <translation>5 ile bölünebilme:</translation>
    </message>
    <message>
        <source>The last digit is 0 or 5.</source>
        <translation>Son basamak 0 veya 5&apos;tir.</translation>
    </message>
    <message>
        <source>Divisible by 6:</source>
        <translation>6 ile bölünebilme:</translation>
    </message>
    <message>
        <source>The number is divisible by both 2 and 3.</source>
        <translation>Sayı hem 2&apos;ye hem 3&apos;e bölünür.</translation>
    </message>
    <message>
        <source>Divisible by 7:</source>
        <translation>7 ile bölünebilme:</translation>
    </message>
    <message>
        <source>Take the last digit, double it, and subtract it from the rest of the number. Example: 308  (8x2=16, 30-16=14)</source>
        <translation>Son basamağı alın, iki katını sayının geri kalan kısmından çıkarın. Örnek: 308  (8x2=16, 30-16=14)</translation>
    </message>
    <message>
        <source>Divisible by 8:</source>
        <translation>8 ile bölünebilme:</translation>
    </message>
    <message>
        <source>The last three digits are divisible by 8.</source>
        <translation>Son üç basamak 8&apos;e bölünür.</translation>
    </message>
    <message>
        <source>Or last three digits are 0.</source>
        <translation>Ya da son üç basamak 0&apos;dır.</translation>
    </message>
    <message>
        <source>Divisible by 9:</source>
        <translation>9 ile bölünebilme:</translation>
    </message>
    <message>
        <source>The sum of the digits is divisible by 9.</source>
        <translation>Rakamların toplamı 9&apos;a bölünür.</translation>
    </message>
    <message>
        <source>Divisible by 10:</source>
        <translation>10 ile bölünebilme:</translation>
    </message>
    <message>
        <source>The last digit is 0.</source>
        <translation>Son basamak 0&apos;dır.</translation>
    </message>
    <message>
        <source>Divisibility Rules</source>
        <translation>Bölünebilme Kuralları</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
</context>
<context>
    <name>zq::DivisionOperation</name>
    <message>
        <source>Division Operation</source>
        <translation>Bölme İşlemi</translation>
    </message>
    <message>
        <source>Dividend</source>
        <translation>Bölünen</translation>
    </message>
    <message>
        <source>Divisor</source>
        <translation>Bölen</translation>
    </message>
    <message>
        <source>Remainder</source>
        <translation>Kalan</translation>
    </message>
    <message>
        <source>Quotient</source>
        <translation>Bölüm</translation>
    </message>
    <message>
        <source>A divisor other than zero</source>
        <translation>Sıfırdan farklı bir bölen</translation>
    </message>
</context>
<context>
    <name>zq::DllOcx</name>
    <message>
        <source>Select a proper file!</source>
        <translation>Uygun bir dosya seçin!</translation>
    </message>
    <message>
        <source>DLL-OCX Registration</source>
        <translation>DLL-OCX Kaydı</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Klasörler</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dosyalar</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>Sürücüler</translation>
    </message>
    <message>
        <source>&amp;Register</source>
        <translation>Kay&amp;det</translation>
    </message>
    <message>
        <source>&amp;Unregister</source>
        <translation>Kaydı Ka&amp;ldır</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Kapat</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>Do you want to Unregister the %1 file?</source>
        <translation>%1 dosyasının kaydı kaldırılsın mı?</translation>
    </message>
    <message>
        <source>Do you want to Register the %1 file?</source>
        <translation>%1 dosyası kaydedilsin mi?</translation>
    </message>
    <message>
        <source>%1 unregistration successful.</source>
        <translation>%1 dosyasının kaydı başarıyla kaldırıldı.</translation>
    </message>
    <message>
        <source>%1 registration successful.</source>
        <translation>%1 dosyası başarıyla kaydedildi.</translation>
    </message>
    <message>
        <source>%1 unregistration unsuccessfully.</source>
        <translation>%1 dosyasının kaydı kaldırılamadı.</translation>
    </message>
    <message>
        <source>%1 registered unsuccessfully.</source>
        <translation>%1 dosyası kaydedilemedi.</translation>
    </message>
</context>
<context>
    <name>zq::DllOcxHelp</name>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>- Windows must be started as Administrator.

- Right click to Zentiqua and select the &quot;Run as administrator&quot; on Windows 8/7/Vista.

- Some Dll or Ocx files must copied on Windows/System32 (32-bit) or Windows/SysWOW64 (64-bit) folder for successful registration.</source>
        <translation>- Windows yönetici olarak başlatılmalıdır.

- Windows 8/7/Vista&apos;da Zentiqua&apos;ya sağ tıklayıp &quot;Yönetici olarak çalıştır&quot; seçeneğini seçin.

- Bazı Dll veya Ocx dosyalarının başarıyla kaydedilmesi için Windows/System32 (32 bit) ya da Windows/SysWOW64 (64 bit) klasörüne kopyalanması gerekir.</translation>
    </message>
</context>
<context>
    <name>zq::Draw</name>
    <message>
        <source>Coordinate Draw</source>
        <translation>Koordinat Çizimi</translation>
    </message>
    <message>
        <source>X1</source>
        <translation>X1</translation>
    </message>
    <message>
        <source>X2</source>
        <translation>X2</translation>
    </message>
    <message>
        <source>Y1</source>
        <translation>Y1</translation>
    </message>
    <message>
        <source>Y2</source>
        <translation>Y2</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Çiz</translation>
    </message>
    <message>
        <source>Too large, read as 0</source>
        <translation>Çok büyük, 0 olarak okundu</translation>
    </message>
</context>
<context>
    <name>zq::Electrical</name>
    <message>
        <source>Electrical Calculators</source>
        <translation>Elektrik Hesaplayıcıları</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>Formül</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Sonuç</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Hesapla</translation>
    </message>
    <message>
        <source>A formula from the list</source>
        <translation>Listeden bir formül</translation>
    </message>
    <message>
        <source>No result for these values</source>
        <translation>Bu değerler için sonuç yok</translation>
    </message>
</context>
<context>
    <name>zq::ElectricalFormulas</name>
    <message>
        <source>Horsepower to Torque</source>
        <translation>Beygir Gücünden Torka</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Güç</translation>
    </message>
    <message>
        <source>Speed (rpm)</source>
        <translation>Hız (rpm)</translation>
    </message>
    <message>
        <source>Watts to Torque</source>
        <translation>Watt&apos;tan Torka</translation>
    </message>
    <message>
        <source>DC Volts to Watts</source>
        <translation>DC Volttan Watt&apos;a</translation>
    </message>
    <message>
        <source>Voltage (V)</source>
        <translation>Gerilim (V)</translation>
    </message>
    <message>
        <source>Current (A)</source>
        <translation>Akım (A)</translation>
    </message>
    <message>
        <source>AC Volts to Watts (Single Phase)</source>
        <translation>AC Volttan Watt&apos;a (Tek Faz)</translation>
    </message>
    <message>
        <source>Power Factor</source>
        <translation>Güç Faktörü</translation>
    </message>
    <message>
        <source>AC Volts to Watts (Three Phase)</source>
        <translation>AC Volttan Watt&apos;a (Üç Faz)</translation>
    </message>
    <message>
        <source>Voltage Divider</source>
        <translation>Gerilim Bölücü</translation>
    </message>
    <message>
        <source>Resistance1</source>
        <translation>Direnç1</translation>
    </message>
    <message>
        <source>Resistance2</source>
        <translation>Direnç2</translation>
    </message>
    <message>
        <source>Kilowatts to Torque</source>
        <translation>Kilovattan Torka</translation>
    </message>
    <message>
        <source>Torque to Horsepower</source>
        <translation>Torktan Beygir Gücüne</translation>
    </message>
    <message>
        <source>Torque (lb-ft)</source>
        <translation>Tork (lb-ft)</translation>
    </message>
    <message>
        <source>KVA Calculator (Single Phase)</source>
        <translation>KVA Hesaplayıcı (Tek Faz)</translation>
    </message>
    <message>
        <source>Amp (A)</source>
        <translation>Amper (A)</translation>
    </message>
    <message>
        <source>Volt (V)</source>
        <translation>Volt (V)</translation>
    </message>
    <message>
        <source>KVA Calculator (Three Phase)</source>
        <translation>KVA Hesaplayıcı (Üç Faz)</translation>
    </message>
    <message>
        <source>Volts Calculator (Single Phase)</source>
        <translation>Volt Hesaplayıcı (Tek Faz)</translation>
    </message>
    <message>
        <source>KVA</source>
        <translation>KVA</translation>
    </message>
    <message>
        <source>Volts Calculator (Three Phase)</source>
        <translation>Volt Hesaplayıcı (Üç Faz)</translation>
    </message>
    <message>
        <source>Amps Calculator (Single Phase)</source>
        <translation>Amper Hesaplayıcı (Tek Faz)</translation>
    </message>
    <message>
        <source>Amps Calculator (Three Phase)</source>
        <translation>Amper Hesaplayıcı (Üç Faz)</translation>
    </message>
    <message>
        <source>Torque to Watts</source>
        <translation>Torktan Watt&apos;a</translation>
    </message>
    <message>
        <source>Torque to Speed</source>
        <translation>Torktan Hıza</translation>
    </message>
    <message>
        <source>Power (hp)</source>
        <translation>Güç (hp)</translation>
    </message>
    <message>
        <source>Horsepower to Speed</source>
        <translation>Beygir Gücünden Hıza</translation>
    </message>
    <message>
        <source>Speed to Horsepower</source>
        <translation>Hızdan Beygir Gücüne</translation>
    </message>
    <message>
        <source>Speed to Watts</source>
        <translation>Hızdan Watt&apos;a</translation>
    </message>
    <message>
        <source>Candela to Lumens</source>
        <translation>Kandeladan Lümene</translation>
    </message>
    <message>
        <source>Candela</source>
        <translation>Kandela</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Derece</translation>
    </message>
    <message>
        <source>Candela to Lux (feet)</source>
        <translation>Kandeladan Lükse (fit)</translation>
    </message>
    <message>
        <source>Distance (ft)</source>
        <translation>Mesafe (ft)</translation>
    </message>
    <message>
        <source>Candela to Lux (meter)</source>
        <translation>Kandeladan Lükse (metre)</translation>
    </message>
    <message>
        <source>Distance (m)</source>
        <translation>Mesafe (m)</translation>
    </message>
    <message>
        <source>Lumens to Candela</source>
        <translation>Lümenden Kandelaya</translation>
    </message>
    <message>
        <source>Lumens (lm)</source>
        <translation>Lümen (lm)</translation>
    </message>
</context>
<context>
    <name>zq::Encoders</name>
    <message>
        <source>Not Base64: &quot;%1&quot; (character %2) is not one of its letters, digits, &quot;+&quot; and &quot;/&quot;.</source>
        <translation>Base64 değil: &quot;%1&quot; (%2. karakter) Base64&apos;ün harf, rakam, &quot;+&quot; ve &quot;/&quot; karakterlerinden biri değil.</translation>
    </message>
    <message>
        <source>Not Base64: padding &quot;=&quot; (character %1) comes before the end.</source>
        <translation>Base64 değil: dolgu &quot;=&quot; (%1. karakter) sondan önce geliyor.</translation>
    </message>
    <message>
        <source>Not Base64: the last group has one character, too few for a byte.</source>
        <translation>Base64 değil: son grupta tek karakter var, bir bayt için çok az.</translation>
    </message>
    <message>
        <source>Not Base64: the padding at the end does not fit the last group.</source>
        <translation>Base64 değil: sondaki dolgu son gruba uymuyor.</translation>
    </message>
</context>
<context>
    <name>zq::EquationSolver</name>
    <message>
        <source>Equation Solver</source>
        <translation>Denklem Çözücü</translation>
    </message>
    <message>
        <source>a</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>İşlem</translation>
    </message>
    <message>
        <source>b</source>
        <translation>b</translation>
    </message>
    <message>
        <source>c</source>
        <translation>c</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>Çözüm adımları</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Çöz</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>An operator from the list: + - * /</source>
        <translation>Listeden bir işleç: + - * /</translation>
    </message>
    <message>
        <source>A number other than zero</source>
        <translation>Sıfırdan farklı bir sayı</translation>
    </message>
    <message>
        <source>A number other than zero: it divides</source>
        <translation>Sıfırdan farklı bir sayı: bölen olarak kullanılıyor</translation>
    </message>
</context>
<context>
    <name>zq::ExternalPrograms</name>
    <message>
        <source>No calculator program was found (tried %1).</source>
        <translation>Hesap makinesi programı bulunamadı (denenen: %1).</translation>
    </message>
    <message>
        <source>The calculator program could not be started (tried %1).</source>
        <translation>Hesap makinesi programı başlatılamadı (denenen: %1).</translation>
    </message>
    <message>
        <source>No text editor was found (tried %1).</source>
        <translation>Metin düzenleyici bulunamadı (denenen: %1).</translation>
    </message>
    <message>
        <source>The text editor could not be started (tried %1).</source>
        <translation>Metin düzenleyici başlatılamadı (denenen: %1).</translation>
    </message>
    <message>
        <source>The home page could not be opened (tried %1 in the web browser).</source>
        <translation>Ana sayfa açılamadı (web tarayıcısında denenen: %1).</translation>
    </message>
</context>
<context>
    <name>zq::FactorConverter</name>
    <message>
        <source>Weight Converter</source>
        <translation>Ağırlık Dönüştürücü</translation>
    </message>
    <message>
        <source>Volume Converter</source>
        <translation>Hacim Dönüştürücü</translation>
    </message>
    <message>
        <source>Length Converter</source>
        <translation>Uzunluk Dönüştürücü</translation>
    </message>
    <message>
        <source>Area Converter</source>
        <translation>Alan Dönüştürücü</translation>
    </message>
    <message>
        <source>Energy-Power Converter</source>
        <translation>Enerji-Güç Dönüştürücü</translation>
    </message>
    <message>
        <source>Voltage Converter</source>
        <translation>Gerilim Dönüştürücü</translation>
    </message>
    <message>
        <source>Electric Current Converter</source>
        <translation>Elektrik Akımı Dönüştürücü</translation>
    </message>
    <message>
        <source>Angle Converter</source>
        <translation>Açı Dönüştürücü</translation>
    </message>
    <message>
        <source>Speed Converter</source>
        <translation>Hız Dönüştürücü</translation>
    </message>
    <message>
        <source>Astronomical Time Converter</source>
        <translation>Astronomik Zaman Dönüştürücü</translation>
    </message>
    <message>
        <source>Byte Converter</source>
        <translation>Bayt Dönüştürücü</translation>
    </message>
    <message>
        <source>Numbers Converter</source>
        <translation>Sayı Dönüştürücü</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Değer</translation>
    </message>
    <message>
        <source>Convert from</source>
        <translation>Kaynak birim</translation>
    </message>
    <message>
        <source>Convert to</source>
        <translation>Hedef birim</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Sonuç</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Dönüştür</translation>
    </message>
    <message>
        <source>Too large to convert to this unit</source>
        <translation>Bu birime dönüştürmek için çok büyük</translation>
    </message>
</context>
<context>
    <name>zq::Factorial</name>
    <message>
        <source>Factorial Calculator</source>
        <translation>Faktöriyel Hesaplayıcı</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Sayı</translation>
    </message>
    <message>
        <source>Factorial</source>
        <translation>Faktöriyel</translation>
    </message>
    <message>
        <source>1 between 170</source>
        <translation>1 ile 170 arası</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Hesapla</translation>
    </message>
</context>
<context>
    <name>zq::FahrenheitC</name>
    <message>
        <source>Temperature Converter</source>
        <translation>Sıcaklık Dönüştürücü</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Sıcaklık</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Ölçek</translation>
    </message>
    <message>
        <source>Converted temperatures</source>
        <translation>Dönüştürülmüş sıcaklıklar</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Dönüştür</translation>
    </message>
    <message>
        <source>A scale from the list</source>
        <translation>Listeden bir ölçek</translation>
    </message>
    <message>
        <source>Below absolute zero, %1</source>
        <translation>Mutlak sıfırın altında, %1</translation>
    </message>
</context>
<context>
    <name>zq::FinanceWindows</name>
    <message>
        <source>months</source>
        <translation>ay</translation>
    </message>
    <message>
        <source>A term other than zero</source>
        <translation>Sıfırdan farklı bir vade</translation>
    </message>
</context>
<context>
    <name>zq::FinancialLease</name>
    <message>
        <source>Financial Lease Calculator</source>
        <translation>Finansal Kiralama Hesaplayıcı</translation>
    </message>
    <message>
        <source>Loan Amount</source>
        <translation>Kredi Tutarı</translation>
    </message>
    <message>
        <source>Residual Value</source>
        <translation>Kalıntı Değer</translation>
    </message>
    <message>
        <source>Interest Rate</source>
        <translation>Faiz Oranı</translation>
    </message>
    <message>
        <source>Term/Period</source>
        <translation>Vade/Süre</translation>
    </message>
    <message>
        <source>Monthly Payment</source>
        <translation>Aylık Taksit</translation>
    </message>
    <message>
        <source>Total Payment</source>
        <translation>Toplam Ödeme</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Hesapla</translation>
    </message>
</context>
<context>
    <name>zq::FractionCalculator</name>
    <message>
        <source>Decimal = %1</source>
        <translation>Ondalık = %1</translation>
    </message>
</context>
<context>
    <name>zq::FractionEquality</name>
    <message>
        <source>Fraction Equation Solver</source>
        <translation>Kesirli Denklem Çözücü</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>Çözüm adımları</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Çöz</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Örnek</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Temizle</translation>
    </message>
    <message>
        <source>Exactly one term is x</source>
        <translation>Tam olarak bir terim x olmalı</translation>
    </message>
    <message>
        <source>A number other than zero</source>
        <translation>Sıfırdan farklı bir sayı</translation>
    </message>
</context>
<context>
    <name>zq::FractionMix</name>
    <message>
        <source>Fraction Calculator</source>
        <translation>Kesir Hesaplayıcı</translation>
    </message>
    <message>
        <source>First whole number</source>
        <translation>Birinci tam kısım</translation>
    </message>
    <message>
        <source>First numerator</source>
        <translation>Birinci pay</translation>
    </message>
    <message>
        <source>First denominator</source>
        <translation>Birinci payda</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>İşlem</translation>
    </message>
    <message>
        <source>Second whole number</source>
        <translation>İkinci tam kısım</translation>
    </message>
    <message>
        <source>Second numerator</source>
        <translation>İkinci pay</translation>
    </message>
    <message>
        <source>Second denominator</source>
        <translation>İkinci payda</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Sonuç</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Hesapla</translation>
    </message>
    <message>
        <source>An operator from the list: + - * /</source>
        <translation>Listeden bir işleç: + - * /</translation>
    </message>
    <message>
        <source>A denominator other than zero</source>
        <translation>Sıfırdan farklı bir payda</translation>
    </message>
    <message>
        <source>Dividing by zero: the second fraction is zero</source>
        <translation>Sıfıra bölme: ikinci kesir sıfır</translation>
    </message>
</context>
<context>
    <name>zq::GeometricProgression</name>
    <message>
        <source>Geometric Progression Calculator</source>
        <translation>Geometrik Dizi Hesaplayıcı</translation>
    </message>
    <message>
        <source>Common Ratio</source>
        <translation>Ortak Çarpan</translation>
    </message>
</context>
<context>
    <name>zq::GreatestCommon</name>
    <message>
        <source>Greatest Common Factor Calculator</source>
        <translation>En Büyük Ortak Bölen Hesaplayıcı</translation>
    </message>
</context>
<context>
    <name>zq::GrowthRate</name>
    <message>
        <source>Growth Rate Calculator</source>
        <translation>Büyüme Oranı Hesaplayıcı</translation>
    </message>
    <message>
        <source>Present Figure</source>
        <translation>Güncel Değer</translation>
    </message>
    <message>
        <source>Past Figure</source>
        <translation>Geçmiş Değer</translation>
    </message>
    <message>
        <source>Periods</source>
        <translation>Dönem Sayısı</translation>
    </message>
    <message>
        <source>Growth Rate</source>
        <translation>Büyüme Oranı</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Hesapla</translation>
    </message>
    <message>
        <source>A past figure other than zero</source>
        <translation>Sıfırdan farklı bir geçmiş değer</translation>
    </message>
    <message>
        <source>A number of periods other than zero</source>
        <translation>Sıfırdan farklı bir dönem sayısı</translation>
    </message>
    <message>
        <source>Both figures of the same sign</source>
        <translation>Aynı işaretli iki değer</translation>
    </message>
</context>
<context>
    <name>zq::HeartRate</name>
    <message>
        <source>Maximum Heart Rate Calculator</source>
        <translation>Maksimum Kalp Atış Hızı Hesaplayıcı</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Yaş</translation>
    </message>
    <message>
        <source>MHR</source>
        <translation>Maks. Nabız</translation>
    </message>
    <message>
        <source>bpm</source>
        <translation>atım/dk</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Erkek</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Kadın</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Hesapla</translation>
    </message>
</context>
<context>
    <name>zq::HeatIndex</name>
    <message>
        <source>Caution = 27-32 °C
Extreme Caution = 32-41 °C
Danger = 41-54 °C
Extreme Danger = over 54 °C</source>
        <translation>Dikkat = 27-32 °C
Aşırı Dikkat = 32-41 °C
Tehlike = 41-54 °C
Aşırı Tehlike = 54 °C üzeri</translation>
    </message>
    <message>
        <source>Caution = 80-90 °F
Extreme Caution = 90-105 °F
Danger = 105-130 °F
Extreme Danger = over 130 °F</source>
        <translation>Dikkat = 80-90 °F
Aşırı Dikkat = 90-105 °F
Tehlike = 105-130 °F
Aşırı Tehlike = 130 °F üzeri</translation>
    </message>
    <message>
        <source>Heat Index Calculator</source>
        <translation>Isı İndeksi Hesaplayıcı</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Sıcaklık</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>°F</source>
        <translation>°F</translation>
    </message>
    <message>
        <source>Relative Humidity</source>
        <translation>Bağıl Nem</translation>
    </message>
    <message>
        <source>HI</source>
        <translation>Isı İnd.</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Hesapla</translation>
    </message>
    <message>
        <source>A humidity from 0 to 100 %</source>
        <translation>0 ile 100 % arasında bir nem</translation>
    </message>
</context>
<context>
    <name>zq::Help</name>
    <message>
        <source>Help - %1</source>
        <translation>Yardım - %1</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Yardım metni</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Kapat</translation>
    </message>
</context>
<context>
    <name>zq::HexDecA</name>
    <message>
        <source>Hexadecimal to Decimal</source>
        <translation>Onaltılıktan Onluğa</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Sayı</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Sonuç</translation>
    </message>
    <message>
        <source>Decimal to Hexadecimal</source>
        <translation>Onluktan Onaltılığa</translation>
    </message>
    <message>
        <source>Hexadecimal digits only: 0 to 9 and A to F</source>
        <translation>Yalnızca onaltılık rakamlar: 0-9 ve A-F</translation>
    </message>
    <message>
        <source>A number not below zero</source>
        <translation>Sıfırdan küçük olmayan bir sayı</translation>
    </message>
</context>
<context>
    <name>zq::Hijri</name>
    <message>
        <source>Hijri to Gregorian</source>
        <translation>Hicriden Miladiye</translation>
    </message>
    <message>
        <source>Converted date</source>
        <translation>Dönüştürülmüş tarih</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Gün</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Ay</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Yıl</translation>
    </message>
    <message>
        <source>Gregorian to Hijri</source>
        <translation>Miladiden Hicriye</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Dönüştür</translation>
    </message>
    <message>
        <source>If it displays wrong date, replace the month with day.</source>
        <translation>Tarih yanlış görünürse ay ile günün yerini değiştirin.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
</context>
<context>
    <name>zq::Hypotenuse</name>
    <message>
        <source>a</source>
        <translation>a</translation>
    </message>
    <message>
        <source>b</source>
        <translation>b</translation>
    </message>
    <message>
        <source>c</source>
        <translation>c</translation>
    </message>
    <message>
        <source>Hypotenuse Calculator</source>
        <translation>Hipotenüs Hesaplayıcı</translation>
    </message>
    <message>
        <source>Leg a</source>
        <translation>Dik kenar a</translation>
    </message>
    <message>
        <source>Leg b</source>
        <translation>Dik kenar b</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Hesapla</translation>
    </message>
</context>
<context>
    <name>zq::KombiPermu</name>
    <message>
        <source>Combination &amp; Permutation Calculator</source>
        <translation>Kombinasyon &amp; Permütasyon Hesaplayıcı</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Sonuç</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>r</source>
        <translation>r</translation>
    </message>
    <message>
        <source>Combination</source>
        <translation>Kombinasyon</translation>
    </message>
    <message>
        <source>Permutation</source>
        <translation>Permütasyon</translation>
    </message>
</context>
<context>
    <name>zq::LeastCommon</name>
    <message>
        <source>Least Common Multiple Calculator</source>
        <translation>En Küçük Ortak Kat Hesaplayıcı</translation>
    </message>
</context>
<context>
    <name>zq::Lotto</name>
    <message>
        <source>Random Lottery Numbers Generator</source>
        <translation>Rastgele Loto Numarası Üretici</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Üret</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
</context>
<context>
    <name>zq::MD5Ch</name>
    <message>
        <source>MD5 Hash Calculator</source>
        <translation>MD5 Özet Hesaplayıcı</translation>
    </message>
</context>
<context>
    <name>zq::Main</name>
    <message>
        <source>Search tools (Ctrl+F)</source>
        <translation>Araç ara (Ctrl+F)</translation>
    </message>
    <message>
        <source>Search tools</source>
        <translation>Araç ara</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategoriler</translation>
    </message>
    <message>
        <source>Calculators and converters</source>
        <translation>Hesaplayıcılar ve dönüştürücüler</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Başlat</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Ana sayfa</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Dosya</translation>
    </message>
    <message>
        <source>Notepad</source>
        <translation>Not Defteri</translation>
    </message>
    <message>
        <source>PC Running Time</source>
        <translation>Bilgisayarın Çalışma Süresi</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Yardım</translation>
    </message>
    <message>
        <source>Zentiqua &amp;Help</source>
        <translation>&amp;Zentiqua Yardımı</translation>
    </message>
    <message>
        <source>Find a tool</source>
        <translation>Araç bul</translation>
    </message>
    <message>
        <source>All tools (%1)</source>
        <translation>Tüm araçlar (%1)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a category and how many tools it holds</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>No tool matches &quot;%1&quot;.</source>
        <translation>&quot;%1&quot; ile eşleşen araç yok.</translation>
    </message>
    <message>
        <source>Select or double click to a Calculator/Converter!</source>
        <translation>Bir hesaplayıcı/dönüştürücü seçin veya çift tıklayın!</translation>
    </message>
</context>
<context>
    <name>zq::MapScale</name>
    <message>
        <source>Map Scale Calculator</source>
        <translation>Harita Ölçeği Hesaplayıcı</translation>
    </message>
    <message>
        <source>Distance on map (cm)</source>
        <translation>Haritadaki mesafe (cm)</translation>
    </message>
    <message>
        <source>Real distance (km)</source>
        <translation>Gerçek mesafe (km)</translation>
    </message>
    <message>
        <source>Map scale</source>
        <translation>Harita ölçeği</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>km</source>
        <translation>km</translation>
    </message>
    <message>
        <source>Distance on Map</source>
        <translation>Haritadaki Mesafe</translation>
    </message>
    <message>
        <source>Real Distance</source>
        <translation>Gerçek Mesafe</translation>
    </message>
    <message>
        <source>Map Scale</source>
        <translation>Harita Ölçeği</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Hesapla</translation>
    </message>
</context>
<context>
    <name>zq::MenuTracking</name>
    <message>
        <source>Meals</source>
        <translation>Yemekler</translation>
    </message>
    <message>
        <source>Fast Food</source>
        <translation>Fast Food</translation>
    </message>
    <message>
        <source>Desserts</source>
        <translation>Tatlılar</translation>
    </message>
    <message>
        <source>Drinks</source>
        <translation>İçecekler</translation>
    </message>
    <message>
        <source>Restaurant Bill Calculator</source>
        <translation>Restoran Hesabı Hesaplayıcı</translation>
    </message>
    <message>
        <source>Tipping</source>
        <translation>Bahşiş</translation>
    </message>
    <message>
        <source>Discount</source>
        <translation>İndirim</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Toplam</translation>
    </message>
    <message>
        <source>Discounted</source>
        <translation>İndirimli</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Qnty</source>
        <translation>Adet</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Fiyat</translation>
    </message>
    <message>
        <source>%1 quantity</source>
        <translation>%1 adedi</translation>
    </message>
    <message>
        <source>%1 price</source>
        <translation>%1 fiyatı</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Para birimi</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ekle</translation>
    </message>
    <message>
        <source>Service - Tipping %</source>
        <translation>Servis - Bahşiş %</translation>
    </message>
    <message>
        <source>Discount %</source>
        <translation>İndirim %</translation>
    </message>
    <message>
        <source>Table No:</source>
        <translation>Masa No:</translation>
    </message>
    <message>
        <source>Bu alan boş bırakılabilir.</source>
        <translation>Bu alan boş bırakılabilir.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Temizle</translation>
    </message>
    <message>
        <source>Bill Summary</source>
        <translation>Adisyon Özeti</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>A unit price is needed</source>
        <translation>Birim fiyat gerekli</translation>
    </message>
    <message>
        <source>You have selected but not enter the Unit Price: %1</source>
        <translation>Seçtiniz ama birim fiyatını girmediniz: %1</translation>
    </message>
    <message>
        <source>A percentage is needed</source>
        <translation>Bir yüzde gerekli</translation>
    </message>
    <message>
        <source>You have selected the Service - Tipping % but not enter the percentage!</source>
        <translation>Servis - Bahşiş % seçili ama yüzde girilmedi!</translation>
    </message>
    <message>
        <source>You have selected the Discount but not enter the Percentage!</source>
        <translation>İndirim seçili ama yüzde girilmedi!</translation>
    </message>
    <message>
        <source>%1 Discounted</source>
        <translation>%1 indirimli</translation>
    </message>
    <message>
        <source>Not Discounted</source>
        <translation>İndirimsiz</translation>
    </message>
    <message>
        <source>Total doesn&apos;t exist!</source>
        <translation>Toplam yok!</translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation>Kaydedildi!</translation>
    </message>
</context>
<context>
    <name>zq::MenuTrackingALT</name>
    <message>
        <source>Bill Summary</source>
        <translation>Adisyon Özeti</translation>
    </message>
    <message>
        <source>Saved bills</source>
        <translation>Kayıtlı adisyonlar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
</context>
<context>
    <name>zq::Mileage</name>
    <message>
        <source>Fuel Consumption Calculator</source>
        <translation>Yakıt Tüketimi Hesaplayıcı</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Mesafe</translation>
    </message>
    <message>
        <source>Fuel</source>
        <translation>Yakıt</translation>
    </message>
    <message>
        <source>Kilometers</source>
        <translation>Kilometre</translation>
    </message>
    <message>
        <source>Miles</source>
        <translation>Mil</translation>
    </message>
    <message>
        <source>Liters</source>
        <translation>Litre</translation>
    </message>
    <message>
        <source>Gallons</source>
        <translation>Galon</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Hesapla</translation>
    </message>
    <message>
        <source>English</source>
        <translation>İngiliz</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Metrik</translation>
    </message>
    <message>
        <source>A distance other than zero</source>
        <translation>Sıfırdan farklı bir mesafe</translation>
    </message>
    <message>
        <source>An amount of fuel other than zero</source>
        <translation>Sıfırdan farklı bir yakıt miktarı</translation>
    </message>
    <message>
        <source>%1 MPG</source>
        <translation>%1 MPG</translation>
    </message>
    <message>
        <source>%1 Gal/100 mi</source>
        <translation>%1 Gal/100 mi</translation>
    </message>
    <message>
        <source>%1 km/L</source>
        <translation>%1 km/L</translation>
    </message>
    <message>
        <source>%1 L/100 km</source>
        <translation>%1 L/100 km</translation>
    </message>
</context>
<context>
    <name>zq::Mortgage</name>
    <message>
        <source>Mortgage Calculator</source>
        <translation>Konut Kredisi Hesaplayıcı</translation>
    </message>
    <message>
        <source>Loan Amount</source>
        <translation>Kredi Tutarı</translation>
    </message>
    <message>
        <source>Loan Term</source>
        <translation>Kredi Vadesi</translation>
    </message>
    <message>
        <source>years</source>
        <translation>yıl</translation>
    </message>
    <message>
        <source>Interest Rate</source>
        <translation>Faiz Oranı</translation>
    </message>
    <message>
        <source>Monthly payment</source>
        <translation>Aylık taksit</translation>
    </message>
    <message>
        <source>Total payments</source>
        <translation>Toplam ödeme</translation>
    </message>
    <message>
        <source>Total interest</source>
        <translation>Toplam faiz</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Hesapla</translation>
    </message>
</context>
<context>
    <name>zq::MultipleNtoN</name>
    <message>
        <source>Product of Numbers N to N</source>
        <translation>N&apos;den N&apos;ye Sayıların Çarpımı</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Başlangıç</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bitiş</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Çarpım</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Hesapla</translation>
    </message>
    <message>
        <source>1 between 170</source>
        <translation>1 ile 170 arası</translation>
    </message>
    <message>
        <source>to</source>
        <translation>ile</translation>
    </message>
    <message>
        <source>The product is too large for a double</source>
        <translation>Çarpım, double türü için çok büyük</translation>
    </message>
</context>
<context>
    <name>zq::MultiplicationTable</name>
    <message>
        <source>Multiplication Table</source>
        <translation>Çarpım Tablosu</translation>
    </message>
    <message>
        <source>Multiplication table</source>
        <translation>Çarpım tablosu</translation>
    </message>
</context>
<context>
    <name>zq::NaturalGas</name>
    <message>
        <source>Natural Gas Consumption Calculator</source>
        <translation>Doğal Gaz Tüketimi Hesaplayıcı</translation>
    </message>
    <message>
        <source>m3</source>
        <translation>m3</translation>
    </message>
    <message>
        <source>Monthly Gas Consumption</source>
        <translation>Aylık Gaz Tüketimi</translation>
    </message>
    <message>
        <source>Monthly Invoice Amount</source>
        <translation>Aylık Fatura Tutarı</translation>
    </message>
    <message>
        <source> VAT Percent (can be blank)</source>
        <translation> KDV Oranı (boş bırakılabilir)</translation>
    </message>
    <message>
        <source>1 m3 Gas Amount</source>
        <translation>1 m3 Gaz Bedeli</translation>
    </message>
    <message>
        <source>Average Daily Gas Usage</source>
        <translation>Ortalama Günlük Gaz Kullanımı</translation>
    </message>
    <message>
        <source>Average Daily Gas Amount</source>
        <translation>Ortalama Günlük Gaz Bedeli</translation>
    </message>
    <message>
        <source>Monthly VAT Amount</source>
        <translation>Aylık KDV Tutarı</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Hesapla</translation>
    </message>
    <message>
        <source>A consumption other than zero</source>
        <translation>Sıfırdan farklı bir tüketim</translation>
    </message>
</context>
<context>
    <name>zq::NumberBases</name>
    <message>
        <source>Convert</source>
        <translation>Dönüştür</translation>
    </message>
</context>
<context>
    <name>zq::NumbersEnglish</name>
    <message>
        <source>Numbers to String</source>
        <translation>Sayıdan Yazıya</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Sayı</translation>
    </message>
    <message>
        <source>In words</source>
        <translation>Yazıyla</translation>
    </message>
    <message>
        <source>Numbers to English</source>
        <translation>İngilizce yazıya</translation>
    </message>
    <message>
        <source>Numbers to Turkish</source>
        <translation>Türkçe yazıya</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Dönüştür</translation>
    </message>
    <message>
        <source>A number from -922337203685477 to 922337203685477</source>
        <translation>-922337203685477 ile 922337203685477 arasında bir sayı</translation>
    </message>
    <message>
        <source>Read as %1</source>
        <translation>%1 olarak okundu</translation>
    </message>
</context>
<context>
    <name>zq::OhmLaw</name>
    <message>
        <source>Ohm&apos;s Law Calculator</source>
        <translation>Ohm Yasası Hesaplayıcı</translation>
    </message>
    <message>
        <source>Volts</source>
        <translation>Volt</translation>
    </message>
    <message>
        <source>Amperes</source>
        <translation>Amper</translation>
    </message>
    <message>
        <source>Ohms</source>
        <translation>Ohm</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Direnç</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Hesapla</translation>
    </message>
</context>
<context>
    <name>zq::Pascal</name>
    <message>
        <source>Pascal&apos;s Triangle Calculator</source>
        <translation>Pascal Üçgeni Hesaplayıcı</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Satır</translation>
    </message>
    <message>
        <source>Pascal&apos;s triangle</source>
        <translation>Pascal üçgeni</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Hesapla</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>A number up to 99</source>
        <translation>En fazla 99 olan bir sayı</translation>
    </message>
</context>
<context>
    <name>zq::Percent</name>
    <message>
        <source>% Percentage Calculator</source>
        <translation>% Yüzde Hesaplayıcı</translation>
    </message>
    <message>
        <source>Percent rate</source>
        <translation>Yüzde oranı</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Tutar</translation>
    </message>
    <message>
        <source>Percent amount</source>
        <translation>Yüzde tutarı</translation>
    </message>
    <message>
        <source>Percent Rate</source>
        <translation>Yüzde Oranı</translation>
    </message>
    <message>
        <source>Percent Amount</source>
        <translation>Yüzde Tutarı</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Hesapla</translation>
    </message>
</context>
<context>
    <name>zq::Planets</name>
    <message>
        <source>Mercury</source>
        <translation>Merkür</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Venüs</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Ay</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Jüpiter</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Satürn</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>Uranüs</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>Neptün</translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation>Plüton</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Güneş</translation>
    </message>
</context>
<context>
    <name>zq::PrimeFactor</name>
    <message>
        <source>Prime Factor Calculator</source>
        <translation>Asal Çarpan Hesaplayıcı</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Sayı</translation>
    </message>
    <message>
        <source>Prime factors</source>
        <translation>Asal çarpanlar</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Hesapla</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>A whole number from 1 to 99999999</source>
        <translation>1 ile 99999999 arasında bir tam sayı</translation>
    </message>
</context>
<context>
    <name>zq::PrimeNonPrime</name>
    <message>
        <source>Prime,Non-Prime Numbers</source>
        <translation>Asal ve Asal Olmayan Sayılar</translation>
    </message>
    <message>
        <source>Up to</source>
        <translation>Üst sınır</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Sayılar</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Göster</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Enter the Number!</source>
        <translation>Sayıyı girin!</translation>
    </message>
    <message>
        <source>Prime,Non-Prime</source>
        <translation>Asal ve Asal Olmayan</translation>
    </message>
    <message>
        <source>A number from 1 to 2147483647</source>
        <translation>1 ile 2147483647 arasında bir sayı</translation>
    </message>
    <message>
        <source>Read as %1</source>
        <translation>%1 olarak okundu</translation>
    </message>
    <message>
        <source>Saved to the program&apos;s location!</source>
        <translation>Programın bulunduğu klasöre kaydedildi!</translation>
    </message>
</context>
<context>
    <name>zq::Primes</name>
    <message>
        <source>is prime number</source>
        <translation>asal sayıdır</translation>
    </message>
    <message>
        <source>%1   prime</source>
        <translation>%1   asal</translation>
    </message>
    <message>
        <source>is non-prime number</source>
        <translation>asal sayı değildir</translation>
    </message>
    <message>
        <source>%1   non-prime</source>
        <translation>%1   asal değil</translation>
    </message>
    <message>
        <source>Divisible by %1</source>
        <translation>%1 ile bölünebilir</translation>
    </message>
    <message>
        <source>Not divisible by %1 , remainder %2</source>
        <translation>%1 ile bölünmez, kalan %2</translation>
    </message>
</context>
<context>
    <name>zq::Profit</name>
    <message>
        <source>Profit Calculator</source>
        <translation>Kâr Hesaplayıcı</translation>
    </message>
    <message>
        <source>Revenue / Selling Price</source>
        <translation>Gelir / Satış Fiyatı</translation>
    </message>
    <message>
        <source>Gross Margin</source>
        <translation>Brüt Marj</translation>
    </message>
    <message>
        <source>Gross Profit</source>
        <translation>Brüt Kâr</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Maliyet</translation>
    </message>
    <message>
        <source>Mark Up</source>
        <translation>Kâr Oranı</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Hesapla</translation>
    </message>
    <message>
        <source>No mark-up: at this margin the cost is zero</source>
        <translation>Kâr oranı yok: bu marjda maliyet sıfır</translation>
    </message>
</context>
<context>
    <name>zq::ProgressionWindow</name>
    <message>
        <source>Terms</source>
        <translation>Terimler</translation>
    </message>
    <message>
        <source>Initial Value</source>
        <translation>İlk Değer</translation>
    </message>
    <message>
        <source>Number of Terms</source>
        <translation>Terim Sayısı</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Hesapla</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>A whole number from 2 to 1000000</source>
        <translation>2 ile 1000000 arasında bir tam sayı</translation>
    </message>
    <message>
        <source>Saved to the program&apos;s location!</source>
        <translation>Programın bulunduğu klasöre kaydedildi!</translation>
    </message>
</context>
<context>
    <name>zq::QuadraticEq</name>
    <message>
        <source>Quadratic Equation Solver</source>
        <translation>İkinci Derece Denklem Çözücü</translation>
    </message>
    <message>
        <source>a</source>
        <translation>a</translation>
    </message>
    <message>
        <source>b</source>
        <translation>b</translation>
    </message>
    <message>
        <source>c</source>
        <translation>c</translation>
    </message>
    <message>
        <source>Right-hand side</source>
        <translation>Sağ taraf</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Çöz</translation>
    </message>
    <message>
        <source>A whole number from -32768 to 32767</source>
        <translation>-32768 ile 32767 arasında bir tam sayı</translation>
    </message>
    <message>
        <source>A number other than zero</source>
        <translation>Sıfırdan farklı bir sayı</translation>
    </message>
    <message>
        <source>This isn&apos;t a quadratic equation.</source>
        <translation>Bu, ikinci derece bir denklem değil.</translation>
    </message>
    <message>
        <source>The equation has no real root</source>
        <translation>Denklemin gerçel kökü yok</translation>
    </message>
    <message>
        <source>Equation Roots:</source>
        <translation>Denklemin kökleri:</translation>
    </message>
    <message>
        <source>The equation has a repeated root</source>
        <translation>Denklemin çift katlı bir kökü var</translation>
    </message>
</context>
<context>
    <name>zq::RAMAtomNo</name>
    <message>
        <source>Atomic Numbers of Elements</source>
        <translation>Elementlerin Atom Numaraları</translation>
    </message>
    <message>
        <source>Atomic numbers</source>
        <translation>Atom numaraları</translation>
    </message>
</context>
<context>
    <name>zq::RAMfrm</name>
    <message>
        <source>Relative Atomic Mass Calculator</source>
        <translation>Bağıl Atom Kütlesi Hesaplayıcı</translation>
    </message>
    <message>
        <source>Element or formula</source>
        <translation>Element veya formül</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Sonuçlar</translation>
    </message>
    <message>
        <source>Kept results</source>
        <translation>Saklanan sonuçlar</translation>
    </message>
    <message>
        <source>Element Mass</source>
        <translation>Element Kütlesi</translation>
    </message>
    <message>
        <source>Compound Mass</source>
        <translation>Bileşik Kütlesi</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Dosya</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Atomic Numbers</source>
        <translation>Atom Numaraları</translation>
    </message>
    <message>
        <source>No element of that name or symbol</source>
        <translation>Bu ad veya sembolde element yok</translation>
    </message>
    <message>
        <source>Empty: a formula is needed</source>
        <translation>Boş: bir formül gerekli</translation>
    </message>
    <message>
        <source>Symbols begin with a capital, as in H2SO4; see the list</source>
        <translation>Semboller büyük harfle başlar (H2SO4 gibi); listeye bakın</translation>
    </message>
    <message>
        <source>Saved to the program&apos;s location!</source>
        <translation>Programın bulunduğu klasöre kaydedildi!</translation>
    </message>
</context>
<context>
    <name>zq::RandomNumber</name>
    <message>
        <source>Random Password Generator</source>
        <translation>Rastgele Parola Üretici</translation>
    </message>
    <message>
        <source>Character set</source>
        <translation>Karakter kümesi</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Parola</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Uzunluk</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Üret</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>A character set from the list</source>
        <translation>Listeden bir karakter kümesi</translation>
    </message>
    <message>
        <source>No characters: a length above zero makes a password</source>
        <translation>Karakter yok: parola için sıfırdan büyük bir uzunluk gerekir</translation>
    </message>
</context>
<context>
    <name>zq::RandomTools</name>
    <message>
        <source>Number/Letter</source>
        <translation>Rakam/Harf</translation>
    </message>
    <message>
        <source>Number Only</source>
        <translation>Yalnızca Rakam</translation>
    </message>
    <message>
        <source>Letter Only</source>
        <translation>Yalnızca Harf</translation>
    </message>
    <message>
        <source>Symbol Only</source>
        <translation>Yalnızca Sembol</translation>
    </message>
    <message>
        <source>Number/Letter/Symbol</source>
        <translation>Rakam/Harf/Sembol</translation>
    </message>
</context>
<context>
    <name>zq::ResistorCode</name>
    <message>
        <source>Black</source>
        <translation>Siyah</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Kahverengi</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Kırmızı</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Turuncu</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Sarı</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Yeşil</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Mavi</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Mor</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gri</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Beyaz</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Altın</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Gümüş</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Yok</translation>
    </message>
    <message>
        <source>%1 ohms</source>
        <translation>%1 ohm</translation>
    </message>
    <message>
        <source>%1 Kohms</source>
        <translation>%1 kohm</translation>
    </message>
    <message>
        <source>%1 Mohms</source>
        <translation>%1 Mohm</translation>
    </message>
</context>
<context>
    <name>zq::ResistorColor</name>
    <message>
        <source>Resistor Color Code Calculator</source>
        <translation>Direnç Renk Kodu Hesaplayıcı</translation>
    </message>
    <message>
        <source>First band</source>
        <translation>Birinci bant</translation>
    </message>
    <message>
        <source>Second band</source>
        <translation>İkinci bant</translation>
    </message>
    <message>
        <source>Multiplier</source>
        <translation>Çarpan</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Tolerans</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Direnç</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Hesapla</translation>
    </message>
</context>
<context>
    <name>zq::RestaurantBill</name>
    <message>
        <source>Casserole</source>
        <translation>Güveç</translation>
    </message>
    <message>
        <source>Chicken</source>
        <translation>Tavuk</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Balık</translation>
    </message>
    <message>
        <source>Fry</source>
        <translation>Kızartma</translation>
    </message>
    <message>
        <source>Homemade Food</source>
        <translation>Ev Yemeği</translation>
    </message>
    <message>
        <source>Omelette</source>
        <translation>Omlet</translation>
    </message>
    <message>
        <source>Soup</source>
        <translation>Çorba</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Diğer</translation>
    </message>
    <message>
        <source>Breakfast</source>
        <translation>Kahvaltı</translation>
    </message>
    <message>
        <source>Hamburger</source>
        <translation>Hamburger</translation>
    </message>
    <message>
        <source>Meatball</source>
        <translation>Köfte</translation>
    </message>
    <message>
        <source>Pizza</source>
        <translation>Pizza</translation>
    </message>
    <message>
        <source>Salad</source>
        <translation>Salata</translation>
    </message>
    <message>
        <source>Sandwich</source>
        <translation>Sandviç</translation>
    </message>
    <message>
        <source>Toast</source>
        <translation>Tost</translation>
    </message>
    <message>
        <source>Brownie</source>
        <translation>Brownie</translation>
    </message>
    <message>
        <source>Cake</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>Ice Cream</source>
        <translation>Dondurma</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Turta</translation>
    </message>
    <message>
        <source>Coffee</source>
        <translation>Kahve</translation>
    </message>
    <message>
        <source>Coke</source>
        <translation>Kola</translation>
    </message>
    <message>
        <source>Milkshake</source>
        <translation>Milkshake</translation>
    </message>
    <message>
        <source>Tea</source>
        <translation>Çay</translation>
    </message>
</context>
<context>
    <name>zq::Reverse</name>
    <message>
        <source>Reverse the String</source>
        <translation>Metni Ters Çevir</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Metin</translation>
    </message>
    <message>
        <source>Reversed text</source>
        <translation>Ters çevrilmiş metin</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Ters Çevir</translation>
    </message>
</context>
<context>
    <name>zq::Roman</name>
    <message>
        <source>Numbers to Roman</source>
        <translation>Sayıdan Romen Rakamına</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Sayı</translation>
    </message>
    <message>
        <source>Roman numeral</source>
        <translation>Roma rakamı</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Dönüştür</translation>
    </message>
</context>
<context>
    <name>zq::SHA256</name>
    <message>
        <source>SHA256 Hash Calculator</source>
        <translation>SHA256 Özet Hesaplayıcı</translation>
    </message>
</context>
<context>
    <name>zq::SaveResult</name>
    <message>
        <source>Could not save to %1: %2</source>
        <translation>%1 dosyasına kaydedilemedi: %2</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Kaydediliyor...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Saved to the program&apos;s location.</source>
        <translation>Programın bulunduğu klasöre kaydedildi.</translation>
    </message>
</context>
<context>
    <name>zq::SecondsMin</name>
    <message>
        <source>Seconds to Minutes to Hours</source>
        <translation>Saniyeden Dakikaya ve Saate</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Saniye</translation>
    </message>
    <message>
        <source>Minutes and seconds</source>
        <translation>Dakika ve saniye</translation>
    </message>
</context>
<context>
    <name>zq::Series</name>
    <message>
        <source>Sum of the Series: %1</source>
        <translation>Serinin toplamı: %1</translation>
    </message>
</context>
<context>
    <name>zq::ShapeCalculator</name>
    <message>
        <source>Perimeter Calculator</source>
        <translation>Çevre Hesaplayıcı</translation>
    </message>
    <message>
        <source>Area Calculator</source>
        <translation>Alan Hesaplayıcı</translation>
    </message>
    <message>
        <source>Volume Calculator</source>
        <translation>Hacim Hesaplayıcı</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Şekil</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Sonuç</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Hesapla</translation>
    </message>
    <message>
        <source>pi = 3.1415926535</source>
        <translation>pi = 3,1415926535</translation>
    </message>
    <message>
        <source>A shape from the list</source>
        <translation>Listeden bir şekil</translation>
    </message>
</context>
<context>
    <name>zq::Shapes</name>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Yarıçap</translation>
    </message>
    <message>
        <source>Radius1</source>
        <translation>Yarıçap1</translation>
    </message>
    <message>
        <source>Radius2</source>
        <translation>Yarıçap2</translation>
    </message>
    <message>
        <source>Radius3</source>
        <translation>Yarıçap3</translation>
    </message>
    <message>
        <source>Inner Radius</source>
        <translation>İç yarıçap</translation>
    </message>
    <message>
        <source>Outer Radius</source>
        <translation>Dış yarıçap</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Kenar</translation>
    </message>
    <message>
        <source>Side1</source>
        <translation>Kenar1</translation>
    </message>
    <message>
        <source>Side2</source>
        <translation>Kenar2</translation>
    </message>
    <message>
        <source>Side3</source>
        <translation>Kenar3</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Uzunluk</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Genişlik</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Yükseklik</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Taban</translation>
    </message>
    <message>
        <source>Base1</source>
        <translation>Taban1</translation>
    </message>
    <message>
        <source>Base2</source>
        <translation>Taban2</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Daire</translation>
    </message>
    <message>
        <source>Parallelogram</source>
        <translation>Paralelkenar</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Dikdörtgen</translation>
    </message>
    <message>
        <source>Regular n-polygon</source>
        <translation>Düzgün n-gen</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Kare</translation>
    </message>
    <message>
        <source>Trapezoid</source>
        <translation>Yamuk</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Üçgen</translation>
    </message>
    <message>
        <source>Cone (surface)</source>
        <translation>Koni (yüzey)</translation>
    </message>
    <message>
        <source>Cube (surface)</source>
        <translation>Küp (yüzey)</translation>
    </message>
    <message>
        <source>Cylinder (surface of side)</source>
        <translation>Silindir (yan yüzey)</translation>
    </message>
    <message>
        <source>Cylinder (whole surface)</source>
        <translation>Silindir (tüm yüzey)</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Elips</translation>
    </message>
    <message>
        <source>Sphere (surface)</source>
        <translation>Küre (yüzey)</translation>
    </message>
    <message>
        <source>Torus (surface)</source>
        <translation>Torus (yüzey)</translation>
    </message>
    <message>
        <source>Cone</source>
        <translation>Koni</translation>
    </message>
    <message>
        <source>Cube</source>
        <translation>Küp</translation>
    </message>
    <message>
        <source>Cuboid</source>
        <translation>Küboid</translation>
    </message>
    <message>
        <source>Cylinder</source>
        <translation>Silindir</translation>
    </message>
    <message>
        <source>Ellipsoid</source>
        <translation>Elipsoit</translation>
    </message>
    <message>
        <source>Irregular Prism</source>
        <translation>Düzensiz prizma</translation>
    </message>
    <message>
        <source>Pyramid</source>
        <translation>Piramit</translation>
    </message>
    <message>
        <source>Rectangular Prism</source>
        <translation>Dikdörtgenler prizması</translation>
    </message>
    <message>
        <source>Sphere</source>
        <translation>Küre</translation>
    </message>
    <message>
        <source>T Prism</source>
        <translation>Üçgen prizma</translation>
    </message>
    <message>
        <source>Torus</source>
        <translation>Torus</translation>
    </message>
</context>
<context>
    <name>zq::SimpleInterest</name>
    <message>
        <source>Simple Interest Calculator</source>
        <translation>Basit Faiz Hesaplayıcı</translation>
    </message>
    <message>
        <source>Base amount</source>
        <translation>Ana para</translation>
    </message>
    <message>
        <source>Annual interest rate</source>
        <translation>Yıllık faiz oranı</translation>
    </message>
    <message>
        <source>Term/Period</source>
        <translation>Vade/Süre</translation>
    </message>
    <message>
        <source>Simple Interest</source>
        <translation>Basit Faiz</translation>
    </message>
    <message>
        <source>Total Amount</source>
        <translation>Toplam Tutar</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Hesapla</translation>
    </message>
</context>
<context>
    <name>zq::SimplifyingFraction</name>
    <message>
        <source>Simplifying Fractions Calculator</source>
        <translation>Kesir Sadeleştirme Hesaplayıcı</translation>
    </message>
</context>
<context>
    <name>zq::Simultaneous</name>
    <message>
        <source>Simultaneous Equation Solver</source>
        <translation>Denklem Sistemi Çözücü</translation>
    </message>
    <message>
        <source>a</source>
        <translation>a</translation>
    </message>
    <message>
        <source>b</source>
        <translation>b</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>c</source>
        <translation>c</translation>
    </message>
    <message>
        <source>d</source>
        <translation>d</translation>
    </message>
    <message>
        <source>k</source>
        <translation>k</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Çöz</translation>
    </message>
    <message>
        <source>x =</source>
        <translation>x =</translation>
    </message>
    <message>
        <source>y =</source>
        <translation>y =</translation>
    </message>
    <message>
        <source>The equations are parallel!</source>
        <translation>Denklemler paralel!</translation>
    </message>
</context>
<context>
    <name>zq::SinCosinTan</name>
    <message>
        <source>Sine,Cosine,Tangent,Arc-Cotangent</source>
        <translation>Sinüs, Kosinüs, Tanjant, Ark-Kotanjant</translation>
    </message>
    <message>
        <source>Angle in radians</source>
        <translation>Radyan cinsinden açı</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Değerler</translation>
    </message>
    <message>
        <source>Tip: Can type Radian value for Trigonometric values.</source>
        <translation>İpucu: Trigonometrik değerler için radyan değeri yazılabilir.</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Hesapla</translation>
    </message>
    <message>
        <source>No cotangent at this angle</source>
        <translation>Bu açıda kotanjant yok</translation>
    </message>
</context>
<context>
    <name>zq::SquareCubeRoot</name>
    <message>
        <source>Square (Root), Cube (Root) Calculator</source>
        <translation>Kare (Kök), Küp (Kök) Hesaplayıcı</translation>
    </message>
    <message>
        <source>Enter Number</source>
        <translation>Sayı Girin</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Kare</translation>
    </message>
    <message>
        <source>Cube</source>
        <translation>Küp</translation>
    </message>
    <message>
        <source>Square Root</source>
        <translation>Karekök</translation>
    </message>
    <message>
        <source>Cube Root</source>
        <translation>Küpkök</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>No roots of a negative number</source>
        <translation>Negatif bir sayının kökü yok</translation>
    </message>
</context>
<context>
    <name>zq::Stopwatch</name>
    <message>
        <source>Stopwatch</source>
        <translation>Kronometre</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Başlat</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Duraklat</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Sıfırla</translation>
    </message>
</context>
<context>
    <name>zq::Sum1toN</name>
    <message>
        <source>Sum of Numbers N to N</source>
        <translation>N&apos;den N&apos;ye Sayıların Toplamı</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Başlangıç</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bitiş</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Toplam</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Hesapla</translation>
    </message>
    <message>
        <source>to</source>
        <translation>ile</translation>
    </message>
</context>
<context>
    <name>zq::SumDifferenceCubes</name>
    <message>
        <source>Sum or Difference of Cubes</source>
        <translation>Küplerin Toplamı veya Farkı</translation>
    </message>
    <message>
        <source>a</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>İşlem</translation>
    </message>
    <message>
        <source>b</source>
        <translation>b</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Sonuç</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Hesapla</translation>
    </message>
    <message>
        <source>+ or - from the list</source>
        <translation>Listeden + veya -</translation>
    </message>
</context>
<context>
    <name>zq::Temperature</name>
    <message>
        <source>Celsius</source>
        <translation>Celsius</translation>
    </message>
    <message>
        <source>%1 °C</source>
        <translation>%1 °C</translation>
    </message>
    <message>
        <source>Delisle</source>
        <translation>Delisle</translation>
    </message>
    <message>
        <source>%1 °De</source>
        <translation>%1 °De</translation>
    </message>
    <message>
        <source>Fahrenheit</source>
        <translation>Fahrenheit</translation>
    </message>
    <message>
        <source>%1 °F</source>
        <translation>%1 °F</translation>
    </message>
    <message>
        <source>Kelvin</source>
        <translation>Kelvin</translation>
    </message>
    <message>
        <source>%1 K</source>
        <translation>%1 K</translation>
    </message>
    <message>
        <source>Newton</source>
        <translation>Newton</translation>
    </message>
    <message>
        <source>%1 °N</source>
        <translation>%1 °N</translation>
    </message>
    <message>
        <source>Rankine</source>
        <translation>Rankine</translation>
    </message>
    <message>
        <source>%1 °R</source>
        <translation>%1 °R</translation>
    </message>
    <message>
        <source>Réaumur</source>
        <translation>Réaumur</translation>
    </message>
    <message>
        <source>%1 °Re</source>
        <translation>%1 °Re</translation>
    </message>
    <message>
        <source>Rømer</source>
        <translation>Rømer</translation>
    </message>
    <message>
        <source>%1 °Rø</source>
        <translation>%1 °Rø</translation>
    </message>
</context>
<context>
    <name>zq::TextBoxes</name>
    <message>
        <source>Read as %1</source>
        <translation>%1 olarak okundu</translation>
    </message>
    <message>
        <source>Not a number, read as %1</source>
        <translation>Sayı değil, %1 olarak okundu</translation>
    </message>
    <message>
        <source>Empty, read as %1</source>
        <translation>Boş, %1 olarak okundu</translation>
    </message>
    <message>
        <source>A number too large to compute with</source>
        <translation>Hesaplama için çok büyük bir sayı</translation>
    </message>
    <message>
        <source>Empty: a number is needed</source>
        <translation>Boş: bir sayı gerekli</translation>
    </message>
    <message>
        <source>A number is needed</source>
        <translation>Bir sayı gerekli</translation>
    </message>
    <message>
        <source>A whole number from %1 to %2</source>
        <translation>%1 ile %2 arasında bir tam sayı</translation>
    </message>
    <message>
        <source>Too large to compute with</source>
        <translation>Hesaplama için çok büyük</translation>
    </message>
</context>
<context>
    <name>zq::TextEncoding</name>
    <message>
        <source>%1 has no character &quot;%2&quot; (character %3 of the text). Choose %4 for this text.</source>
        <translation>%1 kodlamasında &quot;%2&quot; karakteri yok (metnin %3. karakteri). Bu metin için %4 seçin.</translation>
    </message>
    <message>
        <source>These bytes are not UTF-8 text: byte %1 (%2 in hexadecimal) cannot begin or continue a character.</source>
        <translation>Bu baytlar UTF-8 metni değil: %1. bayt (onaltılık %2) bir karakteri başlatamaz veya sürdüremez.</translation>
    </message>
</context>
<context>
    <name>zq::TextWindowParts</name>
    <message>
        <source>Encoding</source>
        <translation>Kodlama</translation>
    </message>
    <message>
        <source>Has characters %1 lacks</source>
        <translation>%1 kodlamasında olmayan karakterler var</translation>
    </message>
    <message>
        <source>Not %1 text once decoded</source>
        <translation>Çözüldüğünde %1 metni değil</translation>
    </message>
</context>
<context>
    <name>zq::ToolCatalog</name>
    <message>
        <source>Adsense Code Converter</source>
        <translation>Adsense Kod Dönüştürücü</translation>
    </message>
    <message>
        <source>Auto Loan Calculator</source>
        <translation>Taşıt Kredisi Hesaplayıcı</translation>
    </message>
    <message>
        <source>Base64 to String</source>
        <translation>Base64&apos;ten Metne</translation>
    </message>
    <message>
        <source>Birthday Calculator</source>
        <translation>Doğum Günü Hesaplayıcı</translation>
    </message>
    <message>
        <source>Body Mass Index Calculator</source>
        <translation>Vücut Kitle İndeksi Hesaplayıcı</translation>
    </message>
    <message>
        <source>Calculator (Windows)</source>
        <translation>Hesap Makinesi (Windows)</translation>
    </message>
    <message>
        <source>Compound Interest Calculator</source>
        <translation>Bileşik Faiz Hesaplayıcı</translation>
    </message>
    <message>
        <source>Divisibility Calculator</source>
        <translation>Bölünebilme Hesaplayıcı</translation>
    </message>
    <message>
        <source>Division Operation</source>
        <translation>Bölme İşlemi</translation>
    </message>
    <message>
        <source>Equation Solver</source>
        <translation>Denklem Çözücü</translation>
    </message>
    <message>
        <source>Temperature Converter</source>
        <translation>Sıcaklık Dönüştürücü</translation>
    </message>
    <message>
        <source>Hex to ASCII</source>
        <translation>Hex&apos;ten ASCII&apos;ye</translation>
    </message>
    <message>
        <source>Hexadecimal to Decimal</source>
        <translation>Onaltılıktan Onluğa</translation>
    </message>
    <message>
        <source>Hypotenuse Calculator</source>
        <translation>Hipotenüs Hesaplayıcı</translation>
    </message>
    <message>
        <source>MD5 Hash Calculator</source>
        <translation>MD5 Özet Hesaplayıcı</translation>
    </message>
    <message>
        <source>nth Root Calculator</source>
        <translation>n. Dereceden Kök Hesaplayıcı</translation>
    </message>
    <message>
        <source>Percentage % Calculator</source>
        <translation>Yüzde % Hesaplayıcı</translation>
    </message>
    <message>
        <source>Prime Factor Calculator</source>
        <translation>Asal Çarpan Hesaplayıcı</translation>
    </message>
    <message>
        <source>Prime, Non-Prime Numbers</source>
        <translation>Asal ve Asal Olmayan Sayılar</translation>
    </message>
    <message>
        <source>Quadratic Equation Solver</source>
        <translation>İkinci Derece Denklem Çözücü</translation>
    </message>
    <message>
        <source>Random Password Generator</source>
        <translation>Rastgele Parola Üretici</translation>
    </message>
    <message>
        <source>Random Lottery Numbers Generator</source>
        <translation>Rastgele Loto Numarası Üretici</translation>
    </message>
    <message>
        <source>SHA256 Hash Calculator</source>
        <translation>SHA256 Özet Hesaplayıcı</translation>
    </message>
    <message>
        <source>Simultaneous Equation Solver</source>
        <translation>Denklem Sistemi Çözücü</translation>
    </message>
    <message>
        <source>Square Root, Cube Root Calculator</source>
        <translation>Karekök, Küpkök Hesaplayıcı</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Kronometre</translation>
    </message>
    <message>
        <source>Sum of Numbers N to N</source>
        <translation>N&apos;den N&apos;ye Sayıların Toplamı</translation>
    </message>
    <message>
        <source>Sum or Difference of Cubes</source>
        <translation>Küplerin Toplamı veya Farkı</translation>
    </message>
    <message>
        <source>Energy-Power Converter</source>
        <translation>Enerji-Güç Dönüştürücü</translation>
    </message>
    <message>
        <source>Hijri to Gregorian</source>
        <translation>Hicriden Miladiye</translation>
    </message>
    <message>
        <source>Relative Atomic Mass Calculator</source>
        <translation>Bağıl Atom Kütlesi Hesaplayıcı</translation>
    </message>
    <message>
        <source>Greatest Common Factor Calculator</source>
        <translation>En Büyük Ortak Bölen Hesaplayıcı</translation>
    </message>
    <message>
        <source>Least Common Multiple Calculator</source>
        <translation>En Küçük Ortak Kat Hesaplayıcı</translation>
    </message>
    <message>
        <source>Simplifying Fractions Calculator</source>
        <translation>Kesir Sadeleştirme Hesaplayıcı</translation>
    </message>
    <message>
        <source>Numbers to String</source>
        <translation>Sayıdan Yazıya</translation>
    </message>
    <message>
        <source>Reverse the String</source>
        <translation>Metni Ters Çevir</translation>
    </message>
    <message>
        <source>Byte Converter</source>
        <translation>Bayt Dönüştürücü</translation>
    </message>
    <message>
        <source>Seconds to Minutes to Hours</source>
        <translation>Saniyeden Dakikaya ve Saate</translation>
    </message>
    <message>
        <source>Weight Converter</source>
        <translation>Ağırlık Dönüştürücü</translation>
    </message>
    <message>
        <source>Volume Converter</source>
        <translation>Hacim Dönüştürücü</translation>
    </message>
    <message>
        <source>Weight on Other Planets</source>
        <translation>Diğer Gezegenlerde Ağırlık</translation>
    </message>
    <message>
        <source>Factorial Calculator</source>
        <translation>Faktöriyel Hesaplayıcı</translation>
    </message>
    <message>
        <source>Length Converter</source>
        <translation>Uzunluk Dönüştürücü</translation>
    </message>
    <message>
        <source>Fuel Consumption Calculator</source>
        <translation>Yakıt Tüketimi Hesaplayıcı</translation>
    </message>
    <message>
        <source>Mortgage Calculator</source>
        <translation>Konut Kredisi Hesaplayıcı</translation>
    </message>
    <message>
        <source>Area Converter</source>
        <translation>Alan Dönüştürücü</translation>
    </message>
    <message>
        <source>Voltage Converter</source>
        <translation>Gerilim Dönüştürücü</translation>
    </message>
    <message>
        <source>Electric Current Converter</source>
        <translation>Elektrik Akımı Dönüştürücü</translation>
    </message>
    <message>
        <source>Geometric Progression Calculator</source>
        <translation>Geometrik Dizi Hesaplayıcı</translation>
    </message>
    <message>
        <source>Depreciation Calculator</source>
        <translation>Amortisman Hesaplayıcı</translation>
    </message>
    <message>
        <source>Fraction Calculator</source>
        <translation>Kesir Hesaplayıcı</translation>
    </message>
    <message>
        <source>Restaurant Bill Calculator</source>
        <translation>Restoran Hesabı Hesaplayıcı</translation>
    </message>
    <message>
        <source>Resistor Color Code Calculator</source>
        <translation>Direnç Renk Kodu Hesaplayıcı</translation>
    </message>
    <message>
        <source>Ohm&apos;s Law Calculator</source>
        <translation>Ohm Yasası Hesaplayıcı</translation>
    </message>
    <message>
        <source>Numbers to Roman</source>
        <translation>Sayıdan Romen Rakamına</translation>
    </message>
    <message>
        <source>Fibonacci Calculator</source>
        <translation>Fibonacci Hesaplayıcı</translation>
    </message>
    <message>
        <source>Coordinate Draw</source>
        <translation>Koordinat Çizimi</translation>
    </message>
    <message>
        <source>Character Number Calculator</source>
        <translation>Karakter Sayısı Hesaplayıcı</translation>
    </message>
    <message>
        <source>Zodiac Calculator</source>
        <translation>Burç Hesaplayıcı</translation>
    </message>
    <message>
        <source>Binary to Number</source>
        <translation>İkiliden Sayıya</translation>
    </message>
    <message>
        <source>Pascal&apos;s Triangle Calculator</source>
        <translation>Pascal Üçgeni Hesaplayıcı</translation>
    </message>
    <message>
        <source>Fraction Equation Solver</source>
        <translation>Kesirli Denklem Çözücü</translation>
    </message>
    <message>
        <source>Multiplication Table</source>
        <translation>Çarpım Tablosu</translation>
    </message>
    <message>
        <source>Sine, Cosine, Tangent, Arc-Cotangent</source>
        <translation>Sinüs, Kosinüs, Tanjant, Ark-Kotanjant</translation>
    </message>
    <message>
        <source>DLL-OCX Registration</source>
        <translation>DLL-OCX Kaydı</translation>
    </message>
    <message>
        <source>Angle Converter</source>
        <translation>Açı Dönüştürücü</translation>
    </message>
    <message>
        <source>Product of Numbers N to N</source>
        <translation>N&apos;den N&apos;ye Sayıların Çarpımı</translation>
    </message>
    <message>
        <source>Volume Calculator</source>
        <translation>Hacim Hesaplayıcı</translation>
    </message>
    <message>
        <source>Natural Gas Consumption Calculator</source>
        <translation>Doğal Gaz Tüketimi Hesaplayıcı</translation>
    </message>
    <message>
        <source>Map Scale Calculator</source>
        <translation>Harita Ölçeği Hesaplayıcı</translation>
    </message>
    <message>
        <source>Combination &amp; Permutation</source>
        <translation>Kombinasyon &amp; Permütasyon</translation>
    </message>
    <message>
        <source>Arithmetic Progression Calculator</source>
        <translation>Aritmetik Dizi Hesaplayıcı</translation>
    </message>
    <message>
        <source>Speed Converter</source>
        <translation>Hız Dönüştürücü</translation>
    </message>
    <message>
        <source>Earth Year on Other Planets</source>
        <translation>Diğer Gezegenlerde Dünya Yılı</translation>
    </message>
    <message>
        <source>Simple Interest Calculator</source>
        <translation>Basit Faiz Hesaplayıcı</translation>
    </message>
    <message>
        <source>Perimeter Calculator</source>
        <translation>Çevre Hesaplayıcı</translation>
    </message>
    <message>
        <source>Area Calculator</source>
        <translation>Alan Hesaplayıcı</translation>
    </message>
    <message>
        <source>Astronomical Time Converter</source>
        <translation>Astronomik Zaman Dönüştürücü</translation>
    </message>
    <message>
        <source>Numbers Converter</source>
        <translation>Sayı Dönüştürücü</translation>
    </message>
    <message>
        <source>Water Consumption Calculator</source>
        <translation>Su Tüketimi Hesaplayıcı</translation>
    </message>
    <message>
        <source>Electricity Consumption Calculator</source>
        <translation>Elektrik Tüketimi Hesaplayıcı</translation>
    </message>
    <message>
        <source>Wind Chill Index Calculator</source>
        <translation>Rüzgâr Soğuğu İndeksi Hesaplayıcı</translation>
    </message>
    <message>
        <source>Heat Index Calculator</source>
        <translation>Isı İndeksi Hesaplayıcı</translation>
    </message>
    <message>
        <source>Date Calculator</source>
        <translation>Tarih Hesaplayıcı</translation>
    </message>
    <message>
        <source>Bass Fishing Boat Speed Calculator</source>
        <translation>Bass Balıkçı Teknesi Hız Hesaplayıcı</translation>
    </message>
    <message>
        <source>Body Surface Area Calculator</source>
        <translation>Vücut Yüzey Alanı Hesaplayıcı</translation>
    </message>
    <message>
        <source>Creatinine Calculator</source>
        <translation>Kreatinin Hesaplayıcı</translation>
    </message>
    <message>
        <source>Growth Rate Calculator</source>
        <translation>Büyüme Oranı Hesaplayıcı</translation>
    </message>
    <message>
        <source>Electrical Calculators</source>
        <translation>Elektrik Hesaplayıcıları</translation>
    </message>
    <message>
        <source>Maximum Heart Rate Calculator</source>
        <translation>Maksimum Kalp Atış Hızı Hesaplayıcı</translation>
    </message>
    <message>
        <source>Profit Calculator</source>
        <translation>Kâr Hesaplayıcı</translation>
    </message>
    <message>
        <source>Financial Lease Calculator</source>
        <translation>Finansal Kiralama Hesaplayıcı</translation>
    </message>
    <message>
        <source>Units and bases</source>
        <translation>Birimler ve tabanlar</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Sayılar</translation>
    </message>
    <message>
        <source>Equations and geometry</source>
        <translation>Denklemler ve geometri</translation>
    </message>
    <message>
        <source>Finance</source>
        <translation>Finans</translation>
    </message>
    <message>
        <source>Everyday, health and dates</source>
        <translation>Günlük yaşam, sağlık ve tarihler</translation>
    </message>
    <message>
        <source>Text and codes</source>
        <translation>Metin ve kodlar</translation>
    </message>
    <message>
        <source>Science and electricity</source>
        <translation>Bilim ve elektrik</translation>
    </message>
    <message>
        <source>Program and system</source>
        <translation>Program ve sistem</translation>
    </message>
</context>
<context>
    <name>zq::ToolKeywords</name>
    <message>
        <source>html escape entities blogger advert ads web page code</source>
        <translation>html kaçış karakter varlık blog reklam web sayfa kod</translation>
    </message>
    <message>
        <source>car vehicle loan credit finance monthly payment interest annuity instalment</source>
        <translation>araba araç taşıt kredi finans aylık ödeme faiz anüite taksit</translation>
    </message>
    <message>
        <source>encode decode text email attachment base 64 b64</source>
        <translation>kodla çöz metin e-posta ek base 64 b64</translation>
    </message>
    <message>
        <source>age born birth weekday days weeks months how old</source>
        <translation>yaş doğum doğumgünü haftanın günü gün hafta ay kaç yaşında</translation>
    </message>
    <message>
        <source>BMI weight height obesity overweight kg lb health</source>
        <translation>vki vücut kitle ağırlık kilo boy obezite şişmanlık kg lb sağlık</translation>
    </message>
    <message>
        <source>system desktop arithmetic add subtract</source>
        <translation>sistem hesap makinesi aritmetik toplama çıkarma</translation>
    </message>
    <message>
        <source>savings investment deposit years finance rate</source>
        <translation>birikim yatırım mevduat yıl finans oran faiz</translation>
    </message>
    <message>
        <source>remainder divisible modulo rules divide</source>
        <translation>kalan bölünebilme mod kurallar bölme</translation>
    </message>
    <message>
        <source>long division quotient remainder integer divide</source>
        <translation>uzun bölme bölüm kalan tam sayı böl</translation>
    </message>
    <message>
        <source>linear unknown solve algebra</source>
        <translation>doğrusal bilinmeyen çöz cebir denklem</translation>
    </message>
    <message>
        <source>celsius fahrenheit kelvin rankine reaumur romer delisle newton degrees °C °F unit convert</source>
        <translation>santigrat derece sıcaklık ısı reomür römer °C °F birim dönüştür çevir</translation>
    </message>
    <message>
        <source>hexadecimal bytes text characters encode decode</source>
        <translation>onaltılık bayt metin karakter kodla çöz</translation>
    </message>
    <message>
        <source>hex base number hexadecimal decimal unit convert</source>
        <translation>onaltılık onluk taban sayı birim dönüştür çevir</translation>
    </message>
    <message>
        <source>right triangle pythagoras legs side geometry</source>
        <translation>dik üçgen pisagor dik kenar kenar geometri</translation>
    </message>
    <message>
        <source>hash checksum digest fingerprint file</source>
        <translation>özet sağlama toplamı parmak izi dosya</translation>
    </message>
    <message>
        <source>radical root power exponent</source>
        <translation>kök üs kuvvet derece</translation>
    </message>
    <message>
        <source>percent rate amount share proportion discount</source>
        <translation>yüzde oran tutar pay orantı indirim</translation>
    </message>
    <message>
        <source>factorise factorize factorization factors prime composite</source>
        <translation>çarpanlara ayırma çarpan asal bileşik</translation>
    </message>
    <message>
        <source>list table composite sieve</source>
        <translation>liste tablo bileşik elek asal</translation>
    </message>
    <message>
        <source>roots discriminant parabola polynomial second degree</source>
        <translation>kökler diskriminant parabol polinom ikinci derece</translation>
    </message>
    <message>
        <source>random secure characters letters symbols</source>
        <translation>rastgele güvenli karakter harf sembol şifre parola</translation>
    </message>
    <message>
        <source>lotto lottery powerball mega millions random ticket</source>
        <translation>loto piyango sayısal şans bilet rastgele</translation>
    </message>
    <message>
        <source>hash checksum digest fingerprint file sha 256</source>
        <translation>özet sağlama toplamı parmak izi dosya sha 256</translation>
    </message>
    <message>
        <source>system linear equations cramer unknowns</source>
        <translation>sistem doğrusal denklemler cramer bilinmeyen</translation>
    </message>
    <message>
        <source>square cube power radical sqrt</source>
        <translation>karekök küpkök kare küp kuvvet kök</translation>
    </message>
    <message>
        <source>timer elapsed time clock</source>
        <translation>zamanlayıcı geçen süre saat kronometre</translation>
    </message>
    <message>
        <source>total series addition range</source>
        <translation>toplam seri toplama aralık</translation>
    </message>
    <message>
        <source>cube power algebra</source>
        <translation>küp kuvvet cebir</translation>
    </message>
    <message>
        <source>energy power joule watt kilowatt kWh horsepower hp calorie btu unit convert</source>
        <translation>enerji güç jul vat kilovat kWh beygir gücü hp kalori birim dönüştür</translation>
    </message>
    <message>
        <source>islamic muslim calendar date convert</source>
        <translation>hicri miladi islami takvim tarih dönüştür</translation>
    </message>
    <message>
        <source>molar molecular mass chemistry formula element molecule g/mol weight</source>
        <translation>molar molekül kütle kimya formül element g/mol ağırlık</translation>
    </message>
    <message>
        <source>GCF GCD HCF divisor</source>
        <translation>ebob obeb ortak bölen</translation>
    </message>
    <message>
        <source>LCM multiple</source>
        <translation>ekok okek ortak kat</translation>
    </message>
    <message>
        <source>reduce lowest terms numerator denominator</source>
        <translation>sadeleştir en sade pay payda</translation>
    </message>
    <message>
        <source>words spell english turkish text</source>
        <translation>yazıyla okunuş kelime ingilizce türkçe metin</translation>
    </message>
    <message>
        <source>backwards text mirror</source>
        <translation>ters tersten metin ayna</translation>
    </message>
    <message>
        <source>data storage file size bit byte KB kilobyte MB megabyte GB gigabyte terabyte unit convert</source>
        <translation>veri depolama dosya boyutu bit bayt kb kilobayt mb megabayt gb gigabayt terabayt birim dönüştür</translation>
    </message>
    <message>
        <source>time duration seconds minutes hours unit convert</source>
        <translation>zaman süre saniye dakika saat birim dönüştür</translation>
    </message>
    <message>
        <source>mass kg kilogram lb pound oz ounce gram stone ton unit convert</source>
        <translation>kütle kg kilogram libre ons gram okka ton birim dönüştür</translation>
    </message>
    <message>
        <source>capacity liter litre ml milliliter gallon pint cup cubic unit convert</source>
        <translation>hacim litre ml mililitre galon pint bardak metreküp birim dönüştür</translation>
    </message>
    <message>
        <source>gravity moon mars jupiter space</source>
        <translation>yerçekimi ay mars jüpiter uzay gezegen</translation>
    </message>
    <message>
        <source>product permutations</source>
        <translation>çarpım permütasyon</translation>
    </message>
    <message>
        <source>distance km kilometre kilometer m meter metre cm centimetre centimeter mile feet foot inch yard unit convert</source>
        <translation>mesafe uzaklık km kilometre metre cm santimetre mil fit inç yarda ışık yılı birim dönüştür</translation>
    </message>
    <message>
        <source>mileage mpg economy car petrol gasoline liters gallons km/l</source>
        <translation>yakıt tüketimi mpg ekonomi araba benzin mazot litre galon km/l</translation>
    </message>
    <message>
        <source>home house loan credit interest monthly payment</source>
        <translation>ev konut kredi faiz aylık ödeme taksit</translation>
    </message>
    <message>
        <source>surface square meter foot acre hectare land unit convert</source>
        <translation>yüzey metrekare fit kare akre hektar dönüm arazi birim dönüştür</translation>
    </message>
    <message>
        <source>voltage volt millivolt kilovolt electric unit convert</source>
        <translation>gerilim voltaj volt milivolt kilovolt elektrik birim dönüştür</translation>
    </message>
    <message>
        <source>current ampere amp milliampere electric unit convert</source>
        <translation>akım amper miliamper elektrik birim dönüştür</translation>
    </message>
    <message>
        <source>GP sequence series ratio</source>
        <translation>geometrik dizi seri oran</translation>
    </message>
    <message>
        <source>asset value declining balance accounting</source>
        <translation>varlık değer azalan bakiye muhasebe</translation>
    </message>
    <message>
        <source>mixed add subtract multiply divide</source>
        <translation>karışık kesir toplama çıkarma çarpma bölme</translation>
    </message>
    <message>
        <source>tip menu discount service food total</source>
        <translation>bahşiş menü indirim servis yemek toplam hesap adisyon</translation>
    </message>
    <message>
        <source>colour bands ohm Ω resistance electronics</source>
        <translation>renk bant Ω direnç elektronik</translation>
    </message>
    <message>
        <source>resistance voltage current volt ampere ohm Ω</source>
        <translation>direnç gerilim akım volt amper Ω</translation>
    </message>
    <message>
        <source>numerals convert</source>
        <translation>romen roma rakamları dönüştür</translation>
    </message>
    <message>
        <source>sequence series</source>
        <translation>dizi seri</translation>
    </message>
    <message>
        <source>plot graph curve axes</source>
        <translation>çizim grafik eğri eksen</translation>
    </message>
    <message>
        <source>count characters letters length</source>
        <translation>karakter harf sayısı uzunluk say</translation>
    </message>
    <message>
        <source>zodiac sign astrology horoscope star</source>
        <translation>burç astroloji yıldız fal</translation>
    </message>
    <message>
        <source>bits base decimal unit convert</source>
        <translation>ikili bit taban onluk birim dönüştür</translation>
    </message>
    <message>
        <source>binomial coefficients</source>
        <translation>binom katsayılar</translation>
    </message>
    <message>
        <source>proportion ratio cross multiplication</source>
        <translation>orantı oran içler dışlar çarpımı</translation>
    </message>
    <message>
        <source>times multiply</source>
        <translation>çarpım çarpma</translation>
    </message>
    <message>
        <source>trigonometry sin cos tan cotangent arctangent radians angle</source>
        <translation>trigonometri sinüs kosinüs tanjant kotanjant arktanjant radyan açı</translation>
    </message>
    <message>
        <source>register component library regsvr windows</source>
        <translation>kayıt kaydet bileşen kitaplık regsvr32</translation>
    </message>
    <message>
        <source>angle degree ° radian grade gradian unit convert</source>
        <translation>açı derece ° radyan grad birim dönüştür</translation>
    </message>
    <message>
        <source>multiply range</source>
        <translation>çarpma aralık</translation>
    </message>
    <message>
        <source>cube cylinder sphere cone solid capacity</source>
        <translation>küp silindir küre koni cisim hacim</translation>
    </message>
    <message>
        <source>bill VAT tax invoice cubic meter utility</source>
        <translation>fatura kdv vergi metreküp doğalgaz</translation>
    </message>
    <message>
        <source>distance km cm</source>
        <translation>mesafe km cm</translation>
    </message>
    <message>
        <source>combinations permutations nCr nPr choose</source>
        <translation>kombinasyon permütasyon seçme nCr nPr</translation>
    </message>
    <message>
        <source>AP sequence series difference</source>
        <translation>aritmetik dizi seri fark</translation>
    </message>
    <message>
        <source>velocity km/h kph mph knot mach unit convert</source>
        <translation>hız km/sa mil/sa mph knot mach birim dönüştür</translation>
    </message>
    <message>
        <source>orbit period space</source>
        <translation>yörünge periyot dönem uzay</translation>
    </message>
    <message>
        <source>savings loan finance rate</source>
        <translation>birikim kredi finans oran</translation>
    </message>
    <message>
        <source>circumference shapes geometry</source>
        <translation>çevre şekiller geometri</translation>
    </message>
    <message>
        <source>surface shapes circle geometry</source>
        <translation>yüzey şekiller daire geometri</translation>
    </message>
    <message>
        <source>time day month year sidereal lunar unit convert</source>
        <translation>zaman gün ay yıl yıldız kameri birim dönüştür</translation>
    </message>
    <message>
        <source>scale million billion thousand dozen googol unit convert</source>
        <translation>ölçek milyon milyar bin düzine googol birim dönüştür</translation>
    </message>
    <message>
        <source>bill utility invoice tariff</source>
        <translation>fatura su tarife</translation>
    </message>
    <message>
        <source>electricity kWh bill utility invoice</source>
        <translation>elektrik kWh fatura tarife</translation>
    </message>
    <message>
        <source>cold weather feels like temperature celsius fahrenheit</source>
        <translation>soğuk hava hissedilen sıcaklık santigrat rüzgâr</translation>
    </message>
    <message>
        <source>humidity weather feels like temperature celsius fahrenheit</source>
        <translation>nem hava hissedilen sıcaklık santigrat</translation>
    </message>
    <message>
        <source>days between dates difference calendar</source>
        <translation>tarihler arası gün fark takvim</translation>
    </message>
    <message>
        <source>propeller rpm pitch gear mph</source>
        <translation>pervane devir rpm hatve dişli mph tekne</translation>
    </message>
    <message>
        <source>BSA du bois health</source>
        <translation>vya vücut yüzey alanı sağlık</translation>
    </message>
    <message>
        <source>kidney clearance cockcroft gault health</source>
        <translation>böbrek klirens kreatinin sağlık</translation>
    </message>
    <message>
        <source>cagr percent change %</source>
        <translation>yüzde değişim % büyüme</translation>
    </message>
    <message>
        <source>watt volt ampere torque kva lumen lux candela</source>
        <translation>vat volt amper tork kva lümen lüks kandela</translation>
    </message>
    <message>
        <source>pulse bpm exercise fitness health</source>
        <translation>nabız bpm egzersiz spor fitness sağlık</translation>
    </message>
    <message>
        <source>margin markup cost revenue price %</source>
        <translation>marj kar maliyet gelir fiyat %</translation>
    </message>
    <message>
        <source>leasing residual loan credit finance payment</source>
        <translation>kiralama kalıntı değer kredi finans ödeme</translation>
    </message>
</context>
<context>
    <name>zq::Trigonometry</name>
    <message>
        <source>Sine = %1</source>
        <translation>Sinüs = %1</translation>
    </message>
    <message>
        <source>Cosine = %1</source>
        <translation>Kosinüs = %1</translation>
    </message>
    <message>
        <source>Tangent = %1</source>
        <translation>Tanjant = %1</translation>
    </message>
    <message>
        <source>Cotangent = %1</source>
        <translation>Kotanjant = %1</translation>
    </message>
    <message>
        <source>Arctangent = %1</source>
        <translation>Arktanjant = %1</translation>
    </message>
</context>
<context>
    <name>zq::TwoNumberWindow</name>
    <message>
        <source>Not both zero</source>
        <translation>İkisi birden sıfır olmamalı</translation>
    </message>
    <message>
        <source>A number other than zero</source>
        <translation>Sıfırdan farklı bir sayı</translation>
    </message>
    <message>
        <source>A number from -2147483648 to 2147483647</source>
        <translation>-2147483648 ile 2147483647 arasında bir sayı</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Birinci sayı</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>İkinci sayı</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Sonuç</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Hesapla</translation>
    </message>
</context>
<context>
    <name>zq::UtilityConsumption</name>
    <message>
        <source>Water Consumption Calculator</source>
        <translation>Su Tüketimi Hesaplayıcı</translation>
    </message>
    <message>
        <source>Monthly Water Consumption</source>
        <translation>Aylık Su Tüketimi</translation>
    </message>
    <message>
        <source>ton</source>
        <translation>ton</translation>
    </message>
    <message>
        <source>1 Ton Water Amount</source>
        <translation>1 Ton Su Bedeli</translation>
    </message>
    <message>
        <source>Average Daily Water Usage</source>
        <translation>Ortalama Günlük Su Kullanımı</translation>
    </message>
    <message>
        <source>Average Daily Water Amount</source>
        <translation>Ortalama Günlük Su Bedeli</translation>
    </message>
    <message>
        <source>Electricity Consumption Calculator</source>
        <translation>Elektrik Tüketimi Hesaplayıcı</translation>
    </message>
    <message>
        <source>Monthly Electric Consumption</source>
        <translation>Aylık Elektrik Tüketimi</translation>
    </message>
    <message>
        <source>kWh</source>
        <translation>kWh</translation>
    </message>
    <message>
        <source>1 kWh Electric Amount</source>
        <translation>1 kWh Elektrik Bedeli</translation>
    </message>
    <message>
        <source>Average Daily Electric Usage</source>
        <translation>Ortalama Günlük Elektrik Kullanımı</translation>
    </message>
    <message>
        <source>Average Daily Electric Amount</source>
        <translation>Ortalama Günlük Elektrik Bedeli</translation>
    </message>
    <message>
        <source>Monthly Invoice Amount</source>
        <translation>Aylık Fatura Tutarı</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Hesapla</translation>
    </message>
    <message>
        <source>A consumption other than zero</source>
        <translation>Sıfırdan farklı bir tüketim</translation>
    </message>
</context>
<context>
    <name>zq::WeightPlanet</name>
    <message>
        <source>Weight on Other Planets</source>
        <translation>Diğer Gezegenlerde Ağırlık</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Ağırlık</translation>
    </message>
    <message>
        <source>Weight on other planets</source>
        <translation>Diğer gezegenlerde ağırlık</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Hesapla</translation>
    </message>
</context>
<context>
    <name>zq::WindChill</name>
    <message>
        <source>Wind Chill Index Calculator</source>
        <translation>Rüzgâr Soğuğu İndeksi Hesaplayıcı</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Sıcaklık</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>°F</source>
        <translation>°F</translation>
    </message>
    <message>
        <source>V (km/h)</source>
        <translation>V (km/sa)</translation>
    </message>
    <message>
        <source>WCI</source>
        <translation>Hissedilen</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Hesapla</translation>
    </message>
    <message>
        <source>V (mi/h)</source>
        <translation>V (mil/sa)</translation>
    </message>
    <message>
        <source>A speed not below zero</source>
        <translation>Sıfırdan küçük olmayan bir hız</translation>
    </message>
    <message>
        <source>No wind chill above 50 °F</source>
        <translation>50 °F üzerinde rüzgâr soğuğu yok</translation>
    </message>
    <message>
        <source>No wind chill above 10 °C</source>
        <translation>10 °C üzerinde rüzgâr soğuğu yok</translation>
    </message>
</context>
<context>
    <name>zq::WindowsRunTime</name>
    <message numerus="yes">
        <source>PC running while %1 minutes.</source>
        <translation>
            <numerusform>Bilgisayar %1 dakikadır çalışıyor.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>zq::YearsPlanet</name>
    <message>
        <source>Earth Year on Other Planets</source>
        <translation>Diğer Gezegenlerde Dünya Yılı</translation>
    </message>
    <message>
        <source>Years on other planets</source>
        <translation>Diğer gezegenlerde yıllar</translation>
    </message>
    <message>
        <source>Earth Year</source>
        <translation>Dünya Yılı</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Hesapla</translation>
    </message>
</context>
<context>
    <name>zq::fibonacci</name>
    <message>
        <source>Fibonacci Calculator</source>
        <translation>Fibonacci Hesaplayıcı</translation>
    </message>
    <message>
        <source>Term</source>
        <translation>Terim</translation>
    </message>
    <message>
        <source>Fibonacci number</source>
        <translation>Fibonacci sayısı</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Hesapla</translation>
    </message>
    <message>
        <source>Entered number is big! Calculation will take several minutes!
Do you want to continue?</source>
        <translation>Girilen sayı büyük! Hesaplama birkaç dakika sürecek!
Devam etmek istiyor musunuz?</translation>
    </message>
</context>
<context>
    <name>zq::hex2ascii</name>
    <message>
        <source>Hex to ASCII</source>
        <translation>Hex&apos;ten ASCII&apos;ye</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Metin</translation>
    </message>
    <message>
        <source>Hex to Ascii</source>
        <translation>Hex&apos;ten Ascii&apos;ye</translation>
    </message>
    <message>
        <source>Ascii to Hex</source>
        <translation>Ascii&apos;den Hex&apos;e</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Dönüştür</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Temizle</translation>
    </message>
</context>
<context>
    <name>zq::nthRoot</name>
    <message>
        <source>nth Root Calculator</source>
        <translation>n. Dereceden Kök Hesaplayıcı</translation>
    </message>
    <message>
        <source>Root degree</source>
        <translation>Kök derecesi</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Sayı</translation>
    </message>
    <message>
        <source>Root</source>
        <translation>Kök</translation>
    </message>
    <message>
        <source>V</source>
        <comment>the radical sign, drawn as a letter</comment>
        <translation>V</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>A root degree other than zero</source>
        <translation>Sıfırdan farklı bir kök derecesi</translation>
    </message>
    <message>
        <source>No real root of a negative number here</source>
        <translation>Burada negatif sayının gerçel kökü yok</translation>
    </message>
</context>
</TS>
