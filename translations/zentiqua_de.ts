<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>zq::About</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Calculate/Convert</source>
        <translation>Berechnen/Umrechnen</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Homepage</translation>
    </message>
    <message>
        <source>Donation:</source>
        <translation>Spende:</translation>
    </message>
    <message>
        <source>Copyright © Zentiqua developers</source>
        <translation>Copyright © Zentiqua-Entwickler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Number of Calculator/Converter: %1</source>
        <translation>Anzahl der Rechner/Umrechner: %1</translation>
    </message>
</context>
<context>
    <name>zq::AdsenseCC</name>
    <message>
        <source>Adsense Code Converter for Blogger</source>
        <translation>Adsense-Code-Umwandler für Blogger</translation>
    </message>
    <message>
        <source>Ad code</source>
        <translation>Anzeigencode</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Umwandeln</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>zq::ArithmeticProgression</name>
    <message>
        <source>Arithmetic Progression Calculator</source>
        <translation>Rechner für arithmetische Folgen</translation>
    </message>
    <message>
        <source>Common Difference</source>
        <translation>Differenz</translation>
    </message>
</context>
<context>
    <name>zq::AtomicMass</name>
    <message>
        <source>Hydrogen</source>
        <translation>Wasserstoff</translation>
    </message>
    <message>
        <source>Helium</source>
        <translation>Helium</translation>
    </message>
    <message>
        <source>Lithium</source>
        <translation>Lithium</translation>
    </message>
    <message>
        <source>Beryllium</source>
        <translation>Beryllium</translation>
    </message>
    <message>
        <source>Boron</source>
        <translation>Bor</translation>
    </message>
    <message>
        <source>Carbon</source>
        <translation>Kohlenstoff</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>Stickstoff</translation>
    </message>
    <message>
        <source>Oxygen</source>
        <translation>Sauerstoff</translation>
    </message>
    <message>
        <source>Fluorine</source>
        <translation>Fluor</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neon</translation>
    </message>
    <message>
        <source>Sodium</source>
        <translation>Natrium</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>Magnesium</translation>
    </message>
    <message>
        <source>Aluminium</source>
        <translation>Aluminium</translation>
    </message>
    <message>
        <source>Silicon</source>
        <translation>Silicium</translation>
    </message>
    <message>
        <source>Phosphorus</source>
        <translation>Phosphor</translation>
    </message>
    <message>
        <source>Sulfur</source>
        <translation>Schwefel</translation>
    </message>
    <message>
        <source>Chlorine</source>
        <translation>Chlor</translation>
    </message>
    <message>
        <source>Argon</source>
        <translation>Argon</translation>
    </message>
    <message>
        <source>Potassium</source>
        <translation>Kalium</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>Calcium</translation>
    </message>
    <message>
        <source>Scandium</source>
        <translation>Scandium</translation>
    </message>
    <message>
        <source>Titanium</source>
        <translation>Titan</translation>
    </message>
    <message>
        <source>Vanadium</source>
        <translation>Vanadium</translation>
    </message>
    <message>
        <source>Chromium</source>
        <translation>Chrom</translation>
    </message>
    <message>
        <source>Manganese</source>
        <translation>Mangan</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>Eisen</translation>
    </message>
    <message>
        <source>Cobalt</source>
        <translation>Cobalt</translation>
    </message>
    <message>
        <source>Nickel</source>
        <translation>Nickel</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Kupfer</translation>
    </message>
    <message>
        <source>Zinc</source>
        <translation>Zink</translation>
    </message>
    <message>
        <source>Gallium</source>
        <translation>Gallium</translation>
    </message>
    <message>
        <source>Germanium</source>
        <translation>Germanium</translation>
    </message>
    <message>
        <source>Arsenic</source>
        <translation>Arsen</translation>
    </message>
    <message>
        <source>Selenium</source>
        <translation>Selen</translation>
    </message>
    <message>
        <source>Bromine</source>
        <translation>Brom</translation>
    </message>
    <message>
        <source>Krypton</source>
        <translation>Krypton</translation>
    </message>
    <message>
        <source>Rubidium</source>
        <translation>Rubidium</translation>
    </message>
    <message>
        <source>Strontium</source>
        <translation>Strontium</translation>
    </message>
    <message>
        <source>Yttrium</source>
        <translation>Yttrium</translation>
    </message>
    <message>
        <source>Zirconium</source>
        <translation>Zirconium</translation>
    </message>
    <message>
        <source>Niobium</source>
        <translation>Niob</translation>
    </message>
    <message>
        <source>Molybdenum</source>
        <translation>Molybdän</translation>
    </message>
    <message>
        <source>Technetium</source>
        <translation>Technetium</translation>
    </message>
    <message>
        <source>Ruthenium</source>
        <translation>Ruthenium</translation>
    </message>
    <message>
        <source>Rhodium</source>
        <translation>Rhodium</translation>
    </message>
    <message>
        <source>Palladium</source>
        <translation>Palladium</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>Cadmium</source>
        <translation>Cadmium</translation>
    </message>
    <message>
        <source>Indium</source>
        <translation>Indium</translation>
    </message>
    <message>
        <source>Tin</source>
        <translation>Zinn</translation>
    </message>
    <message>
        <source>Antimony</source>
        <translation>Antimon</translation>
    </message>
    <message>
        <source>Tellurium</source>
        <translation>Tellur</translation>
    </message>
    <message>
        <source>Iodine</source>
        <translation>Iod</translation>
    </message>
    <message>
        <source>Xenon</source>
        <translation>Xenon</translation>
    </message>
    <message>
        <source>Caesium</source>
        <translation>Caesium</translation>
    </message>
    <message>
        <source>Barium</source>
        <translation>Barium</translation>
    </message>
    <message>
        <source>Lanthanum</source>
        <translation>Lanthan</translation>
    </message>
    <message>
        <source>Cerium</source>
        <translation>Cer</translation>
    </message>
    <message>
        <source>Praseodymium</source>
        <translation>Praseodym</translation>
    </message>
    <message>
        <source>Neodymium</source>
        <translation>Neodym</translation>
    </message>
    <message>
        <source>Promethium</source>
        <translation>Promethium</translation>
    </message>
    <message>
        <source>Samarium</source>
        <translation>Samarium</translation>
    </message>
    <message>
        <source>Europium</source>
        <translation>Europium</translation>
    </message>
    <message>
        <source>Gadolinium</source>
        <translation>Gadolinium</translation>
    </message>
    <message>
        <source>Terbium</source>
        <translation>Terbium</translation>
    </message>
    <message>
        <source>Dysprosium</source>
        <translation>Dysprosium</translation>
    </message>
    <message>
        <source>Holmium</source>
        <translation>Holmium</translation>
    </message>
    <message>
        <source>Erbium</source>
        <translation>Erbium</translation>
    </message>
    <message>
        <source>Thulium</source>
        <translation>Thulium</translation>
    </message>
    <message>
        <source>Ytterbium</source>
        <translation>Ytterbium</translation>
    </message>
    <message>
        <source>Lutetium</source>
        <translation>Lutetium</translation>
    </message>
    <message>
        <source>Hafnium</source>
        <translation>Hafnium</translation>
    </message>
    <message>
        <source>Tantalum</source>
        <translation>Tantal</translation>
    </message>
    <message>
        <source>Tungsten</source>
        <translation>Wolfram</translation>
    </message>
    <message>
        <source>Rhenium</source>
        <translation>Rhenium</translation>
    </message>
    <message>
        <source>Osmium</source>
        <translation>Osmium</translation>
    </message>
    <message>
        <source>Iridium</source>
        <translation>Iridium</translation>
    </message>
    <message>
        <source>Platinum</source>
        <translation>Platin</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Quecksilber</translation>
    </message>
    <message>
        <source>Thallium</source>
        <translation>Thallium</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>Blei</translation>
    </message>
    <message>
        <source>Bismuth</source>
        <translation>Bismut</translation>
    </message>
    <message>
        <source>Polonium</source>
        <translation>Polonium</translation>
    </message>
    <message>
        <source>Astatine</source>
        <translation>Astat</translation>
    </message>
    <message>
        <source>Radon</source>
        <translation>Radon</translation>
    </message>
    <message>
        <source>Francium</source>
        <translation>Francium</translation>
    </message>
    <message>
        <source>Radium</source>
        <translation>Radium</translation>
    </message>
    <message>
        <source>Actinium</source>
        <translation>Actinium</translation>
    </message>
    <message>
        <source>Thorium</source>
        <translation>Thorium</translation>
    </message>
    <message>
        <source>Protactinium</source>
        <translation>Protactinium</translation>
    </message>
    <message>
        <source>Uranium</source>
        <translation>Uran</translation>
    </message>
    <message>
        <source>Neptunium</source>
        <translation>Neptunium</translation>
    </message>
    <message>
        <source>Plutonium</source>
        <translation>Plutonium</translation>
    </message>
    <message>
        <source>Americium</source>
        <translation>Americium</translation>
    </message>
    <message>
        <source>Curium</source>
        <translation>Curium</translation>
    </message>
    <message>
        <source>Berkelium</source>
        <translation>Berkelium</translation>
    </message>
    <message>
        <source>Californium</source>
        <translation>Californium</translation>
    </message>
    <message>
        <source>Einsteinium</source>
        <translation>Einsteinium</translation>
    </message>
    <message>
        <source>Fermium</source>
        <translation>Fermium</translation>
    </message>
    <message>
        <source>Mendelevium</source>
        <translation>Mendelevium</translation>
    </message>
    <message>
        <source>Nobelium</source>
        <translation>Nobelium</translation>
    </message>
    <message>
        <source>Lawrencium</source>
        <translation>Lawrencium</translation>
    </message>
    <message>
        <source>Rutherfordium</source>
        <translation>Rutherfordium</translation>
    </message>
    <message>
        <source>Dubnium</source>
        <translation>Dubnium</translation>
    </message>
    <message>
        <source>Seaborgium</source>
        <translation>Seaborgium</translation>
    </message>
    <message>
        <source>Bohrium</source>
        <translation>Bohrium</translation>
    </message>
    <message>
        <source>Hassium</source>
        <translation>Hassium</translation>
    </message>
    <message>
        <source>Meitnerium</source>
        <translation>Meitnerium</translation>
    </message>
    <message>
        <source>Darmstadtium</source>
        <translation>Darmstadtium</translation>
    </message>
    <message>
        <source>Roentgenium</source>
        <translation>Roentgenium</translation>
    </message>
    <message>
        <source>Copernicium</source>
        <translation>Copernicium</translation>
    </message>
    <message>
        <source>Nihonium</source>
        <translation>Nihonium</translation>
    </message>
    <message>
        <source>Flerovium</source>
        <translation>Flerovium</translation>
    </message>
    <message>
        <source>Moscovium</source>
        <translation>Moscovium</translation>
    </message>
    <message>
        <source>Livermorium</source>
        <translation>Livermorium</translation>
    </message>
    <message>
        <source>Tennessine</source>
        <translation>Tenness</translation>
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
        <translation>Anzahl zu groß: %1</translation>
    </message>
    <message>
        <source>No element is called %1</source>
        <translation>Es gibt kein Element namens %1</translation>
    </message>
    <message>
        <source>%1 is %2 g/mol</source>
        <translation>Molare Masse von %1: %2 g/mol</translation>
    </message>
    <message>
        <source>No chemical has symbol %1</source>
        <translation>Kein Element hat das Symbol %1</translation>
    </message>
</context>
<context>
    <name>zq::AutoLoan</name>
    <message>
        <source>Auto Loan Calculator</source>
        <translation>Autokreditrechner</translation>
    </message>
    <message>
        <source>Amount (Vehicle Price)</source>
        <translation>Betrag (Fahrzeugpreis)</translation>
    </message>
    <message>
        <source>Annual Interest Rate</source>
        <translation>Jahreszinssatz</translation>
    </message>
    <message>
        <source>Term/Period</source>
        <translation>Laufzeit</translation>
    </message>
    <message>
        <source>Monthly Payment</source>
        <translation>Monatliche Rate</translation>
    </message>
    <message>
        <source>Total Amount to Pay</source>
        <translation>Gesamtbetrag</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
</context>
<context>
    <name>zq::Base64String</name>
    <message>
        <source>Base64 to String</source>
        <translation>Base64 in Text</translation>
    </message>
    <message>
        <source>Text to convert</source>
        <translation>Umzuwandelnder Text</translation>
    </message>
    <message>
        <source>Converted text</source>
        <translation>Umgewandelter Text</translation>
    </message>
    <message>
        <source>String to Base64</source>
        <translation>Text in Base64</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Umwandeln</translation>
    </message>
    <message>
        <source>Not Base64</source>
        <translation>Kein Base64</translation>
    </message>
</context>
<context>
    <name>zq::BassBoat</name>
    <message>
        <source>Bass Fishing Boat Speed Calculator</source>
        <translation>Bassboot-Geschwindigkeitsrechner</translation>
    </message>
    <message>
        <source>Engine RPM</source>
        <translation>Drehzahl (U/min)</translation>
    </message>
    <message>
        <source>Prop Pitch in inch</source>
        <translation>Propellersteigung in Zoll</translation>
    </message>
    <message>
        <source>Gear Ratio</source>
        <translation>Übersetzung</translation>
    </message>
    <message>
        <source>True MPH</source>
        <translation>Echte mph</translation>
    </message>
    <message>
        <source>True KPH</source>
        <translation>Echte km/h</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>A gear ratio other than zero</source>
        <translation>Eine Übersetzung ungleich null</translation>
    </message>
</context>
<context>
    <name>zq::Binary</name>
    <message>
        <source>Binary to Number</source>
        <translation>Binär in Dezimal</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Zahl</translation>
    </message>
    <message>
        <source>Number to Binary</source>
        <translation>Dezimal in Binär</translation>
    </message>
    <message>
        <source>-&gt; (1 to 2147483647)</source>
        <translation>-&gt; (1 bis 2147483647)</translation>
    </message>
    <message>
        <source>Binary digits only</source>
        <translation>Nur Binärziffern</translation>
    </message>
</context>
<context>
    <name>zq::Birthday</name>
    <message>
        <source>Birthday Calculator</source>
        <translation>Geburtstagsrechner</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Alter</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>If it display wrong age, replace month with day.</source>
        <translation>Falls ein falsches Alter erscheint, tauschen Sie Monat und Tag.</translation>
    </message>
    <message>
        <source>A birth date not after today</source>
        <translation>Ein Geburtsdatum nicht nach heute</translation>
    </message>
</context>
<context>
    <name>zq::BodyMass</name>
    <message>
        <source>BMI Calculator</source>
        <translation>BMI-Rechner</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Metrisch</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Imperial</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Your BMI</source>
        <translation>Ihr BMI</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Underweight = &lt;18.5</source>
        <translation>Untergewicht = &lt;18,5</translation>
    </message>
    <message>
        <source>Normal weight = 18.5 - 24.9</source>
        <translation>Normalgewicht = 18,5 - 24,9</translation>
    </message>
    <message>
        <source>Overweight = 25 - 29.9</source>
        <translation>Übergewicht = 25 - 29,9</translation>
    </message>
    <message>
        <source>Obesity = 30 or greater</source>
        <translation>Adipositas = 30 oder mehr</translation>
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
        <translation>Eine Größe ungleich null</translation>
    </message>
</context>
<context>
    <name>zq::BodySurface</name>
    <message>
        <source>Body Surface Area Calculator</source>
        <translation>Körperoberflächenrechner</translation>
    </message>
    <message>
        <source>Weight (kg)</source>
        <translation>Gewicht (kg)</translation>
    </message>
    <message>
        <source>Height (cm)</source>
        <translation>Größe (cm)</translation>
    </message>
    <message>
        <source>BSA</source>
        <translation>KOF</translation>
    </message>
    <message>
        <source>m²</source>
        <translation>m²</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Newborn = 0.25 m²
Child of 2 years = 0.5 m²
9 years = 1.07 m²
10 years = 1.14 m²
12-13 years = 1.33 m²
Women = 1.6 m²
Men = 1.9 m²</source>
        <translation>Neugeborenes = 0,25 m²
Kind mit 2 Jahren = 0,5 m²
9 Jahre = 1,07 m²
10 Jahre = 1,14 m²
12-13 Jahre = 1,33 m²
Frauen = 1,6 m²
Männer = 1,9 m²</translation>
    </message>
    <message>
        <source>A number not below zero</source>
        <translation>Eine Zahl nicht unter null</translation>
    </message>
</context>
<context>
    <name>zq::Burclar</name>
    <message>
        <source>Zodiac Calculator</source>
        <translation>Sternzeichenrechner</translation>
    </message>
    <message>
        <source>Zodiac sign</source>
        <translation>Sternzeichen</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
</context>
<context>
    <name>zq::Calendar</name>
    <message>
        <source>Aquarius</source>
        <translation>Wassermann</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Fische</translation>
    </message>
    <message>
        <source>Aries</source>
        <translation>Widder</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Stier</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Zwillinge</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Krebs</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Löwe</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Jungfrau</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Waage</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Skorpion</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Schütze</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Steinbock</translation>
    </message>
    <message>
        <source>%1 years %2 months %3 days</source>
        <translation>%1 J. %2 Mon. %3 Tg.</translation>
    </message>
    <message>
        <source>Age: %1</source>
        <translation>Alter: %1</translation>
    </message>
    <message>
        <source>Age in Minutes: %1</source>
        <translation>Alter in Minuten: %1</translation>
    </message>
    <message>
        <source>Age in Hours: %1</source>
        <translation>Alter in Stunden: %1</translation>
    </message>
    <message>
        <source>Age in Days: %1</source>
        <translation>Alter in Tagen: %1</translation>
    </message>
    <message>
        <source>Age in Weeks: %1</source>
        <translation>Alter in Wochen: %1</translation>
    </message>
    <message>
        <source>Age in Months: %1</source>
        <translation>Alter in Monaten: %1</translation>
    </message>
    <message>
        <source>Born Day: %1</source>
        <translation>Wochentag der Geburt: %1</translation>
    </message>
    <message>
        <source>Wrong Type</source>
        <translation>Ungültige Angabe</translation>
    </message>
</context>
<context>
    <name>zq::CalendarWindows</name>
    <message>
        <source>No such date</source>
        <translation>Ungültiges Datum</translation>
    </message>
    <message>
        <source>Year read as %1</source>
        <translation>Jahr als %1 gelesen</translation>
    </message>
</context>
<context>
    <name>zq::CharacterNumber</name>
    <message>
        <source>Character Number Calculator</source>
        <translation>Zeichenzähler</translation>
    </message>
    <message>
        <source>Character to count</source>
        <translation>Zu zählendes Zeichen</translation>
    </message>
    <message>
        <source>String</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Zeichen</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Einzeln</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Totally</source>
        <translation>Insgesamt</translation>
    </message>
    <message>
        <source>Empty: no character to count</source>
        <translation>Leer: kein Zeichen zum Zählen</translation>
    </message>
    <message numerus="yes">
        <source>There are %n characters.</source>
        <translation>
            <numerusform>Es ist %n Zeichen.</numerusform>
            <numerusform>Es sind %n Zeichen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>zq::CompoundInterest</name>
    <message>
        <source>Compound Interest Calculator</source>
        <translation>Zinseszinsrechner</translation>
    </message>
    <message>
        <source>Base amount</source>
        <translation>Anfangsbetrag</translation>
    </message>
    <message>
        <source>Annual interest rate</source>
        <translation>Jahreszinssatz</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Jahre</translation>
    </message>
    <message>
        <source>Total Amount</source>
        <translation>Gesamtbetrag</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
</context>
<context>
    <name>zq::Computation</name>
    <message>
        <source>Out of date: an input has changed since</source>
        <translation>Veraltet: Eine Eingabe wurde seitdem geändert</translation>
    </message>
    <message>
        <source>A number other than zero</source>
        <translation>Eine Zahl ungleich null</translation>
    </message>
</context>
<context>
    <name>zq::Controls</name>
    <message>
        <source>Please wait...</source>
        <translation>Bitte warten...</translation>
    </message>
</context>
<context>
    <name>zq::ConversionTables</name>
    <message>
        <source>Milligram</source>
        <translation>Milligramm</translation>
    </message>
    <message>
        <source>Gram</source>
        <translation>Gramm</translation>
    </message>
    <message>
        <source>Kilogram</source>
        <translation>Kilogramm</translation>
    </message>
    <message>
        <source>Metric Ton</source>
        <translation>Tonne</translation>
    </message>
    <message>
        <source>Short Ton</source>
        <translation>US-Tonne</translation>
    </message>
    <message>
        <source>Long Ton</source>
        <translation>Britische Tonne</translation>
    </message>
    <message>
        <source>Slug</source>
        <translation>Slug</translation>
    </message>
    <message>
        <source>Pound</source>
        <translation>Pfund (lb)</translation>
    </message>
    <message>
        <source>Ounce</source>
        <translation>Unze</translation>
    </message>
    <message>
        <source>Ounce Metric</source>
        <translation>Metrische Unze</translation>
    </message>
    <message>
        <source>Grain</source>
        <translation>Grain</translation>
    </message>
    <message>
        <source>Grain Metric</source>
        <translation>Metrisches Grain</translation>
    </message>
    <message>
        <source>Stone</source>
        <translation>Stone</translation>
    </message>
    <message>
        <source>Centigram</source>
        <translation>Zentigramm</translation>
    </message>
    <message>
        <source>Decigram</source>
        <translation>Dezigramm</translation>
    </message>
    <message>
        <source>Dekagram</source>
        <translation>Dekagramm</translation>
    </message>
    <message>
        <source>Hectogram</source>
        <translation>Hektogramm</translation>
    </message>
    <message>
        <source>Megagram</source>
        <translation>Megagramm</translation>
    </message>
    <message>
        <source>Microgram</source>
        <translation>Mikrogramm</translation>
    </message>
    <message>
        <source>Nanogram</source>
        <translation>Nanogramm</translation>
    </message>
    <message>
        <source>Petagram</source>
        <translation>Petagramm</translation>
    </message>
    <message>
        <source>Picogram</source>
        <translation>Pikogramm</translation>
    </message>
    <message>
        <source>Oka</source>
        <translation>Oka</translation>
    </message>
    <message>
        <source>Drachme</source>
        <translation>Drachme</translation>
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
        <translation>Französische Unze</translation>
    </message>
    <message>
        <source>Quintal</source>
        <translation>Doppelzentner</translation>
    </message>
    <message>
        <source>Carat</source>
        <translation>Karat</translation>
    </message>
    <message>
        <source>Troy Pound</source>
        <translation>Troy-Pfund</translation>
    </message>
    <message>
        <source>Troy Ounce</source>
        <translation>Troy-Unze</translation>
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
        <translation>Pfund (500 g)</translation>
    </message>
    <message>
        <source>Kiloton</source>
        <translation>Kilotonne</translation>
    </message>
    <message>
        <source>Megaton</source>
        <translation>Megatonne</translation>
    </message>
    <message>
        <source>Gigaton</source>
        <translation>Gigatonne</translation>
    </message>
    <message>
        <source>Atomic Mass</source>
        <translation>Atommasse</translation>
    </message>
    <message>
        <source>Atomic Mass(chem.)</source>
        <translation>Atommasse (chem.)</translation>
    </message>
    <message>
        <source>Atomic Mass(phys.)</source>
        <translation>Atommasse (phys.)</translation>
    </message>
    <message>
        <source>Electron Mass</source>
        <translation>Elektronenmasse</translation>
    </message>
    <message>
        <source>Proton Mass</source>
        <translation>Protonenmasse</translation>
    </message>
    <message>
        <source>Neutron Mass</source>
        <translation>Neutronenmasse</translation>
    </message>
    <message>
        <source>Muon Mass</source>
        <translation>Myonmasse</translation>
    </message>
    <message>
        <source>Deuteron Mass</source>
        <translation>Deuteronmasse</translation>
    </message>
    <message>
        <source>Alpha Particle Mass</source>
        <translation>Alphateilchenmasse</translation>
    </message>
    <message>
        <source>Planck Mass</source>
        <translation>Planck-Masse</translation>
    </message>
    <message>
        <source>Liter</source>
        <translation>Liter</translation>
    </message>
    <message>
        <source>Dekaliter</source>
        <translation>Dekaliter</translation>
    </message>
    <message>
        <source>Deciliter</source>
        <translation>Deziliter</translation>
    </message>
    <message>
        <source>Centiliter</source>
        <translation>Zentiliter</translation>
    </message>
    <message>
        <source>Milliliter</source>
        <translation>Milliliter</translation>
    </message>
    <message>
        <source>Hectoliter</source>
        <translation>Hektoliter</translation>
    </message>
    <message>
        <source>Microliter</source>
        <translation>Mikroliter</translation>
    </message>
    <message>
        <source>Kiloliter</source>
        <translation>Kiloliter</translation>
    </message>
    <message>
        <source>Megaliter</source>
        <translation>Megaliter</translation>
    </message>
    <message>
        <source>Cubic Micrometer</source>
        <translation>Kubikmikrometer</translation>
    </message>
    <message>
        <source>Cubic Millimeter</source>
        <translation>Kubikmillimeter</translation>
    </message>
    <message>
        <source>Cubic Centimeter</source>
        <translation>Kubikzentimeter</translation>
    </message>
    <message>
        <source>Cubic Decimeter</source>
        <translation>Kubikdezimeter</translation>
    </message>
    <message>
        <source>Cubic Decameter</source>
        <translation>Kubikdekameter</translation>
    </message>
    <message>
        <source>Cubic Hectometer</source>
        <translation>Kubikhektometer</translation>
    </message>
    <message>
        <source>Cubic Meter</source>
        <translation>Kubikmeter</translation>
    </message>
    <message>
        <source>Cubic Kilometer</source>
        <translation>Kubikkilometer</translation>
    </message>
    <message>
        <source>Cubic Foot</source>
        <translation>Kubikfuß</translation>
    </message>
    <message>
        <source>Cubic Inch</source>
        <translation>Kubikzoll</translation>
    </message>
    <message>
        <source>Cubic Mile</source>
        <translation>Kubikmeile</translation>
    </message>
    <message>
        <source>Cubic Yard</source>
        <translation>Kubikyard</translation>
    </message>
    <message>
        <source>Dram</source>
        <translation>Dram</translation>
    </message>
    <message>
        <source>Gallon US</source>
        <translation>Gallone (US)</translation>
    </message>
    <message>
        <source>Gallon UK</source>
        <translation>Gallone (UK)</translation>
    </message>
    <message>
        <source>Cup</source>
        <translation>Tasse</translation>
    </message>
    <message>
        <source>Cup Metric</source>
        <translation>Tasse (metrisch)</translation>
    </message>
    <message>
        <source>Cup Japan</source>
        <translation>Tasse (Japan)</translation>
    </message>
    <message>
        <source>Teaspoon</source>
        <translation>Teelöffel</translation>
    </message>
    <message>
        <source>Teaspoon Metric</source>
        <translation>Teelöffel (metrisch)</translation>
    </message>
    <message>
        <source>Tablespoon</source>
        <translation>Esslöffel</translation>
    </message>
    <message>
        <source>Tablespoon Metric</source>
        <translation>Esslöffel (metrisch)</translation>
    </message>
    <message>
        <source>Liquid Quart</source>
        <translation>Quart (flüssig)</translation>
    </message>
    <message>
        <source>Dry Quart</source>
        <translation>Quart (trocken)</translation>
    </message>
    <message>
        <source>Bushel</source>
        <translation>Bushel</translation>
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
        <translation>Flüssigunze (US)</translation>
    </message>
    <message>
        <source>Fluid Ounce UK</source>
        <translation>Flüssigunze (UK)</translation>
    </message>
    <message>
        <source>Gill US</source>
        <translation>Gill (US)</translation>
    </message>
    <message>
        <source>Gill UK</source>
        <translation>Gill (UK)</translation>
    </message>
    <message>
        <source>Jigger</source>
        <translation>Jigger</translation>
    </message>
    <message>
        <source>Bucket US</source>
        <translation>Eimer (US)</translation>
    </message>
    <message>
        <source>Bucket UK</source>
        <translation>Eimer (UK)</translation>
    </message>
    <message>
        <source>Pint US</source>
        <translation>Pint (US)</translation>
    </message>
    <message>
        <source>Pint UK</source>
        <translation>Pint (UK)</translation>
    </message>
    <message>
        <source>Minim</source>
        <translation>Minim</translation>
    </message>
    <message>
        <source>Shot EU</source>
        <translation>Shot (EU)</translation>
    </message>
    <message>
        <source>Magnum</source>
        <translation>Magnum</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Piccolo</translation>
    </message>
    <message>
        <source>Angstrom</source>
        <translation>Ångström</translation>
    </message>
    <message>
        <source>Attometer</source>
        <translation>Attometer</translation>
    </message>
    <message>
        <source>Picometer</source>
        <translation>Pikometer</translation>
    </message>
    <message>
        <source>Nanometer</source>
        <translation>Nanometer</translation>
    </message>
    <message>
        <source>Micrometer</source>
        <translation>Mikrometer</translation>
    </message>
    <message>
        <source>Millimeter</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>Centimeter</source>
        <translation>Zentimeter</translation>
    </message>
    <message>
        <source>Decimeter</source>
        <translation>Dezimeter</translation>
    </message>
    <message>
        <source>Dekameter</source>
        <translation>Dekameter</translation>
    </message>
    <message>
        <source>Hectometer</source>
        <translation>Hektometer</translation>
    </message>
    <message>
        <source>Micron</source>
        <translation>Mikron</translation>
    </message>
    <message>
        <source>Microinch</source>
        <translation>Mikrozoll</translation>
    </message>
    <message>
        <source>Inch</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Fuß</translation>
    </message>
    <message>
        <source>Yard</source>
        <translation>Yard</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>Kilometer</source>
        <translation>Kilometer</translation>
    </message>
    <message>
        <source>Exameter</source>
        <translation>Exameter</translation>
    </message>
    <message>
        <source>Femtometer</source>
        <translation>Femtometer</translation>
    </message>
    <message>
        <source>Gigameter</source>
        <translation>Gigameter</translation>
    </message>
    <message>
        <source>Megameter</source>
        <translation>Megameter</translation>
    </message>
    <message>
        <source>Petameter</source>
        <translation>Petameter</translation>
    </message>
    <message>
        <source>Terameter</source>
        <translation>Terameter</translation>
    </message>
    <message>
        <source>Mile</source>
        <translation>Meile</translation>
    </message>
    <message>
        <source>Nautical Mile</source>
        <translation>Seemeile</translation>
    </message>
    <message>
        <source>Fathom</source>
        <translation>Faden</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>Kabellänge</translation>
    </message>
    <message>
        <source>Navy Cable</source>
        <translation>Kabellänge (US Navy)</translation>
    </message>
    <message>
        <source>Chain</source>
        <translation>Chain</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Hand</translation>
    </message>
    <message>
        <source>Ell (Arsin)</source>
        <translation>Elle (Arsin)</translation>
    </message>
    <message>
        <source>Fermi</source>
        <translation>Fermi</translation>
    </message>
    <message>
        <source>X-Unit</source>
        <translation>X-Einheit</translation>
    </message>
    <message>
        <source>Astronomical Unit</source>
        <translation>Astronomische Einheit</translation>
    </message>
    <message>
        <source>Light Year</source>
        <translation>Lichtjahr</translation>
    </message>
    <message>
        <source>Parsec</source>
        <translation>Parsec</translation>
    </message>
    <message>
        <source>Kiloparsec</source>
        <translation>Kiloparsec</translation>
    </message>
    <message>
        <source>Mils</source>
        <translation>Mil</translation>
    </message>
    <message>
        <source>Pica</source>
        <translation>Pica</translation>
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
        <translation>League</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Karis</source>
        <translation>Karis</translation>
    </message>
    <message>
        <source>Ken</source>
        <translation>Ken</translation>
    </message>
    <message>
        <source>Reed</source>
        <translation>Reed</translation>
    </message>
    <message>
        <source>Rope</source>
        <translation>Rope</translation>
    </message>
    <message>
        <source>Russian Archin</source>
        <translation>Russischer Arschin</translation>
    </message>
    <message>
        <source>Barleycorn</source>
        <translation>Gerstenkorn</translation>
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
        <translation>Punkt</translation>
    </message>
    <message>
        <source>Point Metric</source>
        <translation>Punkt (metrisch)</translation>
    </message>
    <message>
        <source>Square Millimeter</source>
        <translation>Quadratmillimeter</translation>
    </message>
    <message>
        <source>Square Centimeter</source>
        <translation>Quadratzentimeter</translation>
    </message>
    <message>
        <source>Square Meter</source>
        <translation>Quadratmeter</translation>
    </message>
    <message>
        <source>Hectare</source>
        <translation>Hektar</translation>
    </message>
    <message>
        <source>Square Kilometer</source>
        <translation>Quadratkilometer</translation>
    </message>
    <message>
        <source>Square Inch</source>
        <translation>Quadratzoll</translation>
    </message>
    <message>
        <source>Square Foot</source>
        <translation>Quadratfuß</translation>
    </message>
    <message>
        <source>Square Yard</source>
        <translation>Quadratyard</translation>
    </message>
    <message>
        <source>Acre</source>
        <translation>Acre</translation>
    </message>
    <message>
        <source>Square Mile</source>
        <translation>Quadratmeile</translation>
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
        <translation>Neues Evlek</translation>
    </message>
    <message>
        <source>Square Arsin</source>
        <translation>Quadrat-Arsin</translation>
    </message>
    <message>
        <source>Square Endaze</source>
        <translation>Quadrat-Endaze</translation>
    </message>
    <message>
        <source>Square Decimeter</source>
        <translation>Quadratdezimeter</translation>
    </message>
    <message>
        <source>Square Dekameter</source>
        <translation>Quadratdekameter</translation>
    </message>
    <message>
        <source>Square Hat</source>
        <translation>Quadrat-Hat</translation>
    </message>
    <message>
        <source>Square Hektometer</source>
        <translation>Quadrathektometer</translation>
    </message>
    <message>
        <source>Square Kirah</source>
        <translation>Quadrat-Kirah</translation>
    </message>
    <message>
        <source>Square Urup</source>
        <translation>Quadrat-Urup</translation>
    </message>
    <message>
        <source>Square Zirai</source>
        <translation>Quadrat-Zirai</translation>
    </message>
    <message>
        <source>Square Rod</source>
        <translation>Quadrat-Rod</translation>
    </message>
    <message>
        <source>Square Chain</source>
        <translation>Quadrat-Chain</translation>
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
        <translation>Milliwatt</translation>
    </message>
    <message>
        <source>Centiwatt</source>
        <translation>Zentiwatt</translation>
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
        <translation>hp (mechanisch)</translation>
    </message>
    <message>
        <source>Horsepower elect.</source>
        <translation>hp (elektrisch)</translation>
    </message>
    <message>
        <source>Joule</source>
        <translation>Joule</translation>
    </message>
    <message>
        <source>Millijoule</source>
        <translation>Millijoule</translation>
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
        <translation>Elektronenvolt</translation>
    </message>
    <message>
        <source>Kiloelectron Volt</source>
        <translation>Kiloelektronenvolt</translation>
    </message>
    <message>
        <source>Megaelectron Volt</source>
        <translation>Megaelektronenvolt</translation>
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
        <translation>Kalorie (IT)</translation>
    </message>
    <message>
        <source>Calorie (thermochem)</source>
        <translation>Kalorie (thermochem.)</translation>
    </message>
    <message>
        <source>Calorie (mean)</source>
        <translation>Kalorie (mittlere)</translation>
    </message>
    <message>
        <source>Therm</source>
        <translation>Therm</translation>
    </message>
    <message>
        <source>Toe</source>
        <translation>Tonne Öläquivalent</translation>
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
        <translation>Zentivolt</translation>
    </message>
    <message>
        <source>Decavolt</source>
        <translation>Dekavolt</translation>
    </message>
    <message>
        <source>Decivolt</source>
        <translation>Dezivolt</translation>
    </message>
    <message>
        <source>Exavolt</source>
        <translation>Exavolt</translation>
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
        <translation>Millivolt</translation>
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
        <translation>Abampere</translation>
    </message>
    <message>
        <source>Ampere</source>
        <translation>Ampere</translation>
    </message>
    <message>
        <source>Biot</source>
        <translation>Biot</translation>
    </message>
    <message>
        <source>Centiampere</source>
        <translation>Zentiampere</translation>
    </message>
    <message>
        <source>Coulomb/second</source>
        <translation>Coulomb/Sekunde</translation>
    </message>
    <message>
        <source>Deciampere</source>
        <translation>Deziampere</translation>
    </message>
    <message>
        <source>Dekaampere</source>
        <translation>Dekaampere</translation>
    </message>
    <message>
        <source>Franklin/second</source>
        <translation>Franklin/Sekunde</translation>
    </message>
    <message>
        <source>Gaussian</source>
        <translation>Gaußsche Einheit</translation>
    </message>
    <message>
        <source>Gigaampere</source>
        <translation>Gigaampere</translation>
    </message>
    <message>
        <source>Gilbert</source>
        <translation>Gilbert</translation>
    </message>
    <message>
        <source>Hectoampere</source>
        <translation>Hektoampere</translation>
    </message>
    <message>
        <source>Kiloampere</source>
        <translation>Kiloampere</translation>
    </message>
    <message>
        <source>Megaampere</source>
        <translation>Megaampere</translation>
    </message>
    <message>
        <source>Microampere</source>
        <translation>Mikroampere</translation>
    </message>
    <message>
        <source>Milliampere</source>
        <translation>Milliampere</translation>
    </message>
    <message>
        <source>Nanoampere</source>
        <translation>Nanoampere</translation>
    </message>
    <message>
        <source>Picoampere</source>
        <translation>Pikoampere</translation>
    </message>
    <message>
        <source>Statampere</source>
        <translation>Statampere</translation>
    </message>
    <message>
        <source>Teraampere</source>
        <translation>Teraampere</translation>
    </message>
    <message>
        <source>Siemens Volt</source>
        <translation>Siemens·Volt</translation>
    </message>
    <message>
        <source>Volt/Ohm</source>
        <translation>Volt/Ohm</translation>
    </message>
    <message>
        <source>Watt/Volt</source>
        <translation>Watt/Volt</translation>
    </message>
    <message>
        <source>Weber/Henry</source>
        <translation>Weber/Henry</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Gon</translation>
    </message>
    <message>
        <source>Radian</source>
        <translation>Radiant</translation>
    </message>
    <message>
        <source>Right Angle</source>
        <translation>Rechter Winkel</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Vollwinkel</translation>
    </message>
    <message>
        <source>Quadrant</source>
        <translation>Quadrant</translation>
    </message>
    <message>
        <source>Quintant</source>
        <translation>Quintant</translation>
    </message>
    <message>
        <source>Sextant</source>
        <translation>Sextant</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Tierkreiszeichen</translation>
    </message>
    <message>
        <source>Pointangle</source>
        <translation>Kompassstrich</translation>
    </message>
    <message>
        <source>Milangle</source>
        <translation>Artilleriestrich</translation>
    </message>
    <message>
        <source>Centrad</source>
        <translation>Zentiradiant</translation>
    </message>
    <message>
        <source>Arc Minute</source>
        <translation>Bogenminute</translation>
    </message>
    <message>
        <source>Centesimal Min.</source>
        <translation>Neuminute</translation>
    </message>
    <message>
        <source>Millimeter/second</source>
        <translation>Millimeter/Sekunde</translation>
    </message>
    <message>
        <source>Centimeter/second</source>
        <translation>Zentimeter/Sekunde</translation>
    </message>
    <message>
        <source>Centimeter/minute</source>
        <translation>Zentimeter/Minute</translation>
    </message>
    <message>
        <source>Meter/second</source>
        <translation>Meter/Sekunde</translation>
    </message>
    <message>
        <source>Meter/minute</source>
        <translation>Meter/Minute</translation>
    </message>
    <message>
        <source>Meter/hour</source>
        <translation>Meter/Stunde</translation>
    </message>
    <message>
        <source>Kilometer/second</source>
        <translation>Kilometer/Sekunde</translation>
    </message>
    <message>
        <source>Kilometer/minute</source>
        <translation>Kilometer/Minute</translation>
    </message>
    <message>
        <source>Kilometer/hour</source>
        <translation>Kilometer/Stunde</translation>
    </message>
    <message>
        <source>Feet/second</source>
        <translation>Fuß/Sekunde</translation>
    </message>
    <message>
        <source>Feet/minute</source>
        <translation>Fuß/Minute</translation>
    </message>
    <message>
        <source>Feet/hour</source>
        <translation>Fuß/Stunde</translation>
    </message>
    <message>
        <source>Yard/second</source>
        <translation>Yard/Sekunde</translation>
    </message>
    <message>
        <source>Yard/minute</source>
        <translation>Yard/Minute</translation>
    </message>
    <message>
        <source>Yard/hour</source>
        <translation>Yard/Stunde</translation>
    </message>
    <message>
        <source>Mile/second</source>
        <translation>Meile/Sekunde</translation>
    </message>
    <message>
        <source>Mile/minute</source>
        <translation>Meile/Minute</translation>
    </message>
    <message>
        <source>Mile/hour</source>
        <translation>Meile/Stunde</translation>
    </message>
    <message>
        <source>Nautical Mile/hour</source>
        <translation>Seemeile/Stunde</translation>
    </message>
    <message>
        <source>Furlong/minute</source>
        <translation>Furlong/Minute</translation>
    </message>
    <message>
        <source>Knot</source>
        <translation>Knoten</translation>
    </message>
    <message>
        <source>Mach</source>
        <translation>Mach</translation>
    </message>
    <message>
        <source>Speed of Sound</source>
        <translation>Schallgeschwindigkeit</translation>
    </message>
    <message>
        <source>Speed of Light</source>
        <translation>Lichtgeschwindigkeit</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Anomalistic month</source>
        <translation>Anomalistischer Monat</translation>
    </message>
    <message>
        <source>Anomalistic year</source>
        <translation>Anomalistisches Jahr</translation>
    </message>
    <message>
        <source>Sidereal year</source>
        <translation>Siderisches Jahr</translation>
    </message>
    <message>
        <source>Tropical year</source>
        <translation>Tropisches Jahr</translation>
    </message>
    <message>
        <source>Gaussian year</source>
        <translation>Gaußsches Jahr</translation>
    </message>
    <message>
        <source>Elipse year</source>
        <translation>Finsternisjahr</translation>
    </message>
    <message>
        <source>Nodical month</source>
        <translation>Drakonitischer Monat</translation>
    </message>
    <message>
        <source>Sidereal month</source>
        <translation>Siderischer Monat</translation>
    </message>
    <message>
        <source>Saros</source>
        <translation>Saros</translation>
    </message>
    <message>
        <source>Synodic month</source>
        <translation>Synodischer Monat</translation>
    </message>
    <message>
        <source>Lunar month</source>
        <translation>Mondmonat</translation>
    </message>
    <message>
        <source>Lunar year</source>
        <translation>Mondjahr</translation>
    </message>
    <message>
        <source>Lustrum</source>
        <translation>Lustrum</translation>
    </message>
    <message>
        <source>Decade</source>
        <translation>Jahrzehnt</translation>
    </message>
    <message>
        <source>Century</source>
        <translation>Jahrhundert</translation>
    </message>
    <message>
        <source>Millennium</source>
        <translation>Jahrtausend</translation>
    </message>
    <message>
        <source>Solar year</source>
        <translation>Sonnenjahr</translation>
    </message>
    <message>
        <source>Calendar year</source>
        <translation>Kalenderjahr</translation>
    </message>
    <message>
        <source>Leap year</source>
        <translation>Schaltjahr</translation>
    </message>
    <message>
        <source>Julian year</source>
        <translation>Julianisches Jahr</translation>
    </message>
    <message>
        <source>Gregorian year</source>
        <translation>Gregorianisches Jahr</translation>
    </message>
    <message>
        <source>Islamic month</source>
        <translation>Islamischer Monat</translation>
    </message>
    <message>
        <source>Islamic year</source>
        <translation>Islamisches Jahr</translation>
    </message>
    <message>
        <source>Islamic leap year</source>
        <translation>Islamisches Schaltjahr</translation>
    </message>
    <message>
        <source>Mercury day</source>
        <translation>Merkurtag</translation>
    </message>
    <message>
        <source>Venus day</source>
        <translation>Venustag</translation>
    </message>
    <message>
        <source>Mars day</source>
        <translation>Marstag</translation>
    </message>
    <message>
        <source>Jupiter day</source>
        <translation>Jupitertag</translation>
    </message>
    <message>
        <source>Saturn day</source>
        <translation>Saturntag</translation>
    </message>
    <message>
        <source>Uranus day</source>
        <translation>Uranustag</translation>
    </message>
    <message>
        <source>Neptune day</source>
        <translation>Neptuntag</translation>
    </message>
    <message>
        <source>Pluto day</source>
        <translation>Plutotag</translation>
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
        <translation>Byte</translation>
    </message>
    <message>
        <source>Kilobits</source>
        <translation>Kilobit</translation>
    </message>
    <message>
        <source>Kilobytes</source>
        <translation>Kilobyte</translation>
    </message>
    <message>
        <source>Megabits</source>
        <translation>Megabit</translation>
    </message>
    <message>
        <source>Megabytes</source>
        <translation>Megabyte</translation>
    </message>
    <message>
        <source>Gigabits</source>
        <translation>Gigabit</translation>
    </message>
    <message>
        <source>Gigabytes</source>
        <translation>Gigabyte</translation>
    </message>
    <message>
        <source>Terabits</source>
        <translation>Terabit</translation>
    </message>
    <message>
        <source>Terabytes</source>
        <translation>Terabyte</translation>
    </message>
    <message>
        <source>Petabits</source>
        <translation>Petabit</translation>
    </message>
    <message>
        <source>Petabytes</source>
        <translation>Petabyte</translation>
    </message>
    <message>
        <source>Exabits</source>
        <translation>Exabit</translation>
    </message>
    <message>
        <source>Exabytes</source>
        <translation>Exabyte</translation>
    </message>
    <message>
        <source>Zettabytes</source>
        <translation>Zettabyte</translation>
    </message>
    <message>
        <source>Yottabytes</source>
        <translation>Yottabyte</translation>
    </message>
    <message>
        <source>One</source>
        <translation>Eins</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sieben</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Acht</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neun</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Zehn</translation>
    </message>
    <message>
        <source>Twenty</source>
        <translation>Zwanzig</translation>
    </message>
    <message>
        <source>Thirty</source>
        <translation>Dreißig</translation>
    </message>
    <message>
        <source>Forty</source>
        <translation>Vierzig</translation>
    </message>
    <message>
        <source>Fifty</source>
        <translation>Fünfzig</translation>
    </message>
    <message>
        <source>Sixty</source>
        <translation>Sechzig</translation>
    </message>
    <message>
        <source>Seventy</source>
        <translation>Siebzig</translation>
    </message>
    <message>
        <source>Eighty</source>
        <translation>Achtzig</translation>
    </message>
    <message>
        <source>Ninety</source>
        <translation>Neunzig</translation>
    </message>
    <message>
        <source>Hundred</source>
        <translation>Hundert</translation>
    </message>
    <message>
        <source>Thousand</source>
        <translation>Tausend</translation>
    </message>
    <message>
        <source>Million</source>
        <translation>Million</translation>
    </message>
    <message>
        <source>Billion</source>
        <translation>Milliarde</translation>
    </message>
    <message>
        <source>Trillion</source>
        <translation>Billion</translation>
    </message>
    <message>
        <source>Quadrillion</source>
        <translation>Billiarde</translation>
    </message>
    <message>
        <source>Quintillion</source>
        <translation>Trillion</translation>
    </message>
    <message>
        <source>Sextillion</source>
        <translation>Trilliarde</translation>
    </message>
    <message>
        <source>Septillion</source>
        <translation>Quadrillion</translation>
    </message>
    <message>
        <source>Octillion</source>
        <translation>Quadrilliarde</translation>
    </message>
    <message>
        <source>Nonillion</source>
        <translation>Quintillion</translation>
    </message>
    <message>
        <source>Decillion</source>
        <translation>Quintilliarde</translation>
    </message>
    <message>
        <source>Undecillion</source>
        <translation>Sextillion</translation>
    </message>
    <message>
        <source>Duodecillion</source>
        <translation>Sextilliarde</translation>
    </message>
    <message>
        <source>Tredecillion</source>
        <translation>Septillion</translation>
    </message>
    <message>
        <source>Quattuordecillion</source>
        <translation>Septilliarde</translation>
    </message>
    <message>
        <source>Quindecillion</source>
        <translation>Oktillion</translation>
    </message>
    <message>
        <source>Sexdecillion</source>
        <translation>Oktilliarde</translation>
    </message>
    <message>
        <source>Septendecillion</source>
        <translation>Nonillion</translation>
    </message>
    <message>
        <source>Octodecillion</source>
        <translation>Nonilliarde</translation>
    </message>
    <message>
        <source>Novemdecillion</source>
        <translation>Dezillion</translation>
    </message>
    <message>
        <source>Vigintillion</source>
        <translation>Dezilliarde</translation>
    </message>
    <message>
        <source>Centillion</source>
        <translation>10^303</translation>
    </message>
    <message>
        <source>Googol</source>
        <translation>Googol</translation>
    </message>
    <message>
        <source>Dozen</source>
        <translation>Dutzend</translation>
    </message>
    <message>
        <source>Bakers Dozen</source>
        <translation>Bäckerdutzend</translation>
    </message>
    <message>
        <source>Gross</source>
        <translation>Gros</translation>
    </message>
    <message>
        <source>Short Quire</source>
        <translation>Buch (24 Bogen)</translation>
    </message>
    <message>
        <source>Quire</source>
        <translation>Buch (25 Bogen)</translation>
    </message>
    <message>
        <source>Short Ream</source>
        <translation>Ries (480 Bogen)</translation>
    </message>
    <message>
        <source>Ream</source>
        <translation>Ries (500 Bogen)</translation>
    </message>
    <message>
        <source>Perfect Ream</source>
        <translation>Ries (516 Bogen)</translation>
    </message>
    <message>
        <source>Bundle</source>
        <translation>Bündel</translation>
    </message>
    <message>
        <source>Bale</source>
        <translation>Ballen</translation>
    </message>
</context>
<context>
    <name>zq::Creatinine</name>
    <message>
        <source>Creatinine Calculator</source>
        <translation>Kreatininrechner</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Alter</translation>
    </message>
    <message>
        <source>Serum Creatinine</source>
        <translation>Serumkreatinin</translation>
    </message>
    <message>
        <source>mg/dL</source>
        <translation>mg/dL</translation>
    </message>
    <message>
        <source>Est. Creatinine Clearance</source>
        <translation>Geschätzte Kreatinin-Clearance</translation>
    </message>
    <message>
        <source>mL/min</source>
        <translation>mL/min</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Männlich</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Weiblich</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>The results you receive from this calculator are for informational purposes only and should not be the basis of your medical decision making. Consult your physician to determine the medical implications of any tests you take.</source>
        <translation>Die Ergebnisse dieses Rechners dienen nur zur Information und dürfen nicht die Grundlage Ihrer medizinischen Entscheidungen sein. Fragen Sie Ihren Arzt nach der medizinischen Bedeutung Ihrer Testergebnisse.</translation>
    </message>
    <message>
        <source>An age below 140</source>
        <translation>Ein Alter unter 140</translation>
    </message>
    <message>
        <source>A serum creatinine other than zero</source>
        <translation>Ein Serumkreatinin ungleich null</translation>
    </message>
</context>
<context>
    <name>zq::DateCalculate</name>
    <message>
        <source>Date Calculator</source>
        <translation>Datumsrechner</translation>
    </message>
    <message>
        <source>First Date</source>
        <translation>Erstes Datum</translation>
    </message>
    <message>
        <source>Last Date</source>
        <translation>Letztes Datum</translation>
    </message>
    <message>
        <source>Elapsed / Remaining</source>
        <translation>Vergangen / Verbleibend</translation>
    </message>
    <message>
        <source>days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Tip: Can type all manner of date format.</source>
        <translation>Tipp: Datumsangaben in fast jedem Format möglich.</translation>
    </message>
    <message>
        <source>A date is needed</source>
        <translation>Ein Datum ist nötig</translation>
    </message>
</context>
<context>
    <name>zq::Depreciation</name>
    <message>
        <source>Depreciation Calculator</source>
        <translation>Abschreibungsrechner</translation>
    </message>
    <message>
        <source>Initial Cost</source>
        <translation>Anschaffungskosten</translation>
    </message>
    <message>
        <source>Salvage Value</source>
        <translation>Restwert</translation>
    </message>
    <message>
        <source>Asset&apos;s Life</source>
        <translation>Nutzungsdauer</translation>
    </message>
    <message>
        <source>Period of Depreciation</source>
        <translation>Abschreibungsperiode</translation>
    </message>
    <message>
        <source>Depreciation</source>
        <translation>Abschreibung</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>A cost not below zero</source>
        <translation>Kosten nicht unter null</translation>
    </message>
    <message>
        <source>A value not below zero</source>
        <translation>Ein Wert nicht unter null</translation>
    </message>
    <message>
        <source>A life above zero</source>
        <translation>Eine Nutzungsdauer über null</translation>
    </message>
    <message>
        <source>A whole period from 1 to the asset&apos;s life</source>
        <translation>Eine ganze Periode von 1 bis zur Nutzungsdauer</translation>
    </message>
</context>
<context>
    <name>zq::DigestWindow</name>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>MD5 digest</source>
        <translation>MD5-Hashwert</translation>
    </message>
    <message>
        <source>SHA-256 digest</source>
        <translation>SHA-256-Hashwert</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>&amp;File...</source>
        <translation>&amp;Datei...</translation>
    </message>
    <message>
        <source>Digest of a file</source>
        <translation>Hashwert einer Datei</translation>
    </message>
    <message>
        <source>Working out the digest of &quot;%1&quot;...</source>
        <translation>Hashwert von „%1“ wird berechnet...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Digest of the file &quot;%1&quot;</source>
        <translation>Hashwert der Datei „%1“</translation>
    </message>
</context>
<context>
    <name>zq::Digests</name>
    <message>
        <source>Cannot read &quot;%1&quot;: %2.</source>
        <translation>„%1“ kann nicht gelesen werden: %2.</translation>
    </message>
</context>
<context>
    <name>zq::Divisibility</name>
    <message>
        <source>Divisibility Calculator</source>
        <translation>Teilbarkeitsrechner</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Zahl</translation>
    </message>
    <message>
        <source>Divisor</source>
        <translation>Teiler</translation>
    </message>
    <message>
        <source>Divisible by x</source>
        <translation>Teilbar durch x</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>A number other than zero</source>
        <translation>Eine Zahl ungleich null</translation>
    </message>
</context>
<context>
    <name>zq::DivisibilityRules</name>
    <message>
        <source>Divisible by 2:</source>
        <translation>Teilbar durch 2:</translation>
    </message>
    <message>
        <source>The last digit is even (0,2,4,6,8).</source>
        <translation>Die letzte Ziffer ist gerade (0,2,4,6,8).</translation>
    </message>
    <message>
        <source>Divisible by 3:</source>
        <translation>Teilbar durch 3:</translation>
    </message>
    <message>
        <source>The sum of the digits is divisible by 3.</source>
        <translation>Die Quersumme ist durch 3 teilbar.</translation>
    </message>
    <message>
        <source>Divisible by 4:</source>
        <translation>Teilbar durch 4:</translation>
    </message>
    <message>
        <source>The last two digits are divisible by 4.</source>
        <translation>Die letzten zwei Ziffern sind durch 4 teilbar.</translation>
    </message>
    <message>
        <source>Or last two digits are 0.</source>
        <translation>Oder die letzten zwei Ziffern sind 0.</translation>
    </message>
    <message>
        <source>Divisible by 5:</source>
        <translation>Teilbar durch 5:</translation>
    </message>
    <message>
        <source>The last digit is 0 or 5.</source>
        <translation>Die letzte Ziffer ist 0 oder 5.</translation>
    </message>
    <message>
        <source>Divisible by 6:</source>
        <translation>Teilbar durch 6:</translation>
    </message>
    <message>
        <source>The number is divisible by both 2 and 3.</source>
        <translation>Die Zahl ist durch 2 und durch 3 teilbar.</translation>
    </message>
    <message>
        <source>Divisible by 7:</source>
        <translation>Teilbar durch 7:</translation>
    </message>
    <message>
        <source>Take the last digit, double it, and subtract it from the rest of the number. Example: 308  (8x2=16, 30-16=14)</source>
        <translation>Verdoppeln Sie die letzte Ziffer und ziehen Sie das Ergebnis vom Rest der Zahl ab. Beispiel: 308  (8x2=16, 30-16=14)</translation>
    </message>
    <message>
        <source>Divisible by 8:</source>
        <translation>Teilbar durch 8:</translation>
    </message>
    <message>
        <source>The last three digits are divisible by 8.</source>
        <translation>Die letzten drei Ziffern sind durch 8 teilbar.</translation>
    </message>
    <message>
        <source>Or last three digits are 0.</source>
        <translation>Oder die letzten drei Ziffern sind 0.</translation>
    </message>
    <message>
        <source>Divisible by 9:</source>
        <translation>Teilbar durch 9:</translation>
    </message>
    <message>
        <source>The sum of the digits is divisible by 9.</source>
        <translation>Die Quersumme ist durch 9 teilbar.</translation>
    </message>
    <message>
        <source>Divisible by 10:</source>
        <translation>Teilbar durch 10:</translation>
    </message>
    <message>
        <source>The last digit is 0.</source>
        <translation>Die letzte Ziffer ist 0.</translation>
    </message>
    <message>
        <source>Divisibility Rules</source>
        <translation>Teilbarkeitsregeln</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>zq::DivisionOperation</name>
    <message>
        <source>Division Operation</source>
        <translation>Division mit Rest</translation>
    </message>
    <message>
        <source>Dividend</source>
        <translation>Dividend</translation>
    </message>
    <message>
        <source>Divisor</source>
        <translation>Divisor</translation>
    </message>
    <message>
        <source>Remainder</source>
        <translation>Rest</translation>
    </message>
    <message>
        <source>Quotient</source>
        <translation>Quotient</translation>
    </message>
    <message>
        <source>A divisor other than zero</source>
        <translation>Ein Divisor ungleich null</translation>
    </message>
</context>
<context>
    <name>zq::DllOcx</name>
    <message>
        <source>Select a proper file!</source>
        <translation>Wählen Sie eine gültige Datei!</translation>
    </message>
    <message>
        <source>DLL-OCX Registration</source>
        <translation>DLL-/OCX-Registrierung</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>Laufwerke</translation>
    </message>
    <message>
        <source>&amp;Register</source>
        <translation>&amp;Registrieren</translation>
    </message>
    <message>
        <source>&amp;Unregister</source>
        <translation>Registrierung &amp;aufheben</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Do you want to Unregister the %1 file?</source>
        <translation>Möchten Sie die Registrierung der Datei %1 aufheben?</translation>
    </message>
    <message>
        <source>Do you want to Register the %1 file?</source>
        <translation>Möchten Sie die Datei %1 registrieren?</translation>
    </message>
    <message>
        <source>%1 unregistration successful.</source>
        <translation>Registrierung von %1 erfolgreich aufgehoben.</translation>
    </message>
    <message>
        <source>%1 registration successful.</source>
        <translation>%1 erfolgreich registriert.</translation>
    </message>
    <message>
        <source>%1 unregistration unsuccessfully.</source>
        <translation>Registrierung von %1 konnte nicht aufgehoben werden.</translation>
    </message>
    <message>
        <source>%1 registered unsuccessfully.</source>
        <translation>%1 konnte nicht registriert werden.</translation>
    </message>
</context>
<context>
    <name>zq::DllOcxHelp</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>- Windows must be started as Administrator.

- Right click to Zentiqua and select the &quot;Run as administrator&quot; on Windows 8/7/Vista.

- Some Dll or Ocx files must copied on Windows/System32 (32-bit) or Windows/SysWOW64 (64-bit) folder for successful registration.</source>
        <translation>- Windows muss als Administrator gestartet sein.

- Unter Windows 8/7/Vista klicken Sie mit der rechten Maustaste auf Zentiqua und wählen &quot;Als Administrator ausführen&quot;.

- Manche Dll- oder Ocx-Dateien müssen für eine erfolgreiche Registrierung in den Ordner Windows/System32 (32-Bit) oder Windows/SysWOW64 (64-Bit) kopiert werden.</translation>
    </message>
</context>
<context>
    <name>zq::Draw</name>
    <message>
        <source>Coordinate Draw</source>
        <translation>Koordinaten zeichnen</translation>
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
        <translation>Zeichnen</translation>
    </message>
    <message>
        <source>Too large, read as 0</source>
        <translation>Zu groß, als 0 gelesen</translation>
    </message>
</context>
<context>
    <name>zq::Electrical</name>
    <message>
        <source>Electrical Calculators</source>
        <translation>Elektrische Rechner</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>Formel</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>A formula from the list</source>
        <translation>Eine Formel aus der Liste</translation>
    </message>
    <message>
        <source>No result for these values</source>
        <translation>Kein Ergebnis für diese Werte</translation>
    </message>
</context>
<context>
    <name>zq::ElectricalFormulas</name>
    <message>
        <source>Horsepower to Torque</source>
        <translation>Leistung (hp) in Drehmoment</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>Speed (rpm)</source>
        <translation>Drehzahl (U/min)</translation>
    </message>
    <message>
        <source>Watts to Torque</source>
        <translation>Watt in Drehmoment</translation>
    </message>
    <message>
        <source>DC Volts to Watts</source>
        <translation>Gleichspannung (V) in Watt</translation>
    </message>
    <message>
        <source>Voltage (V)</source>
        <translation>Spannung (V)</translation>
    </message>
    <message>
        <source>Current (A)</source>
        <translation>Stromstärke (A)</translation>
    </message>
    <message>
        <source>AC Volts to Watts (Single Phase)</source>
        <translation>Wechselspannung (V) in Watt (einphasig)</translation>
    </message>
    <message>
        <source>Power Factor</source>
        <translation>Leistungsfaktor</translation>
    </message>
    <message>
        <source>AC Volts to Watts (Three Phase)</source>
        <translation>Wechselspannung (V) in Watt (dreiphasig)</translation>
    </message>
    <message>
        <source>Voltage Divider</source>
        <translation>Spannungsteiler</translation>
    </message>
    <message>
        <source>Resistance1</source>
        <translation>Widerstand1</translation>
    </message>
    <message>
        <source>Resistance2</source>
        <translation>Widerstand2</translation>
    </message>
    <message>
        <source>Kilowatts to Torque</source>
        <translation>Kilowatt in Drehmoment</translation>
    </message>
    <message>
        <source>Torque to Horsepower</source>
        <translation>Drehmoment in Leistung (hp)</translation>
    </message>
    <message>
        <source>Torque (lb-ft)</source>
        <translation>Drehmoment (lb-ft)</translation>
    </message>
    <message>
        <source>KVA Calculator (Single Phase)</source>
        <translation>kVA-Rechner (einphasig)</translation>
    </message>
    <message>
        <source>Amp (A)</source>
        <translation>Stromstärke (A)</translation>
    </message>
    <message>
        <source>Volt (V)</source>
        <translation>Spannung (V)</translation>
    </message>
    <message>
        <source>KVA Calculator (Three Phase)</source>
        <translation>kVA-Rechner (dreiphasig)</translation>
    </message>
    <message>
        <source>Volts Calculator (Single Phase)</source>
        <translation>Spannungsrechner (einphasig)</translation>
    </message>
    <message>
        <source>KVA</source>
        <translation>kVA</translation>
    </message>
    <message>
        <source>Volts Calculator (Three Phase)</source>
        <translation>Spannungsrechner (dreiphasig)</translation>
    </message>
    <message>
        <source>Amps Calculator (Single Phase)</source>
        <translation>Stromstärkerechner (einphasig)</translation>
    </message>
    <message>
        <source>Amps Calculator (Three Phase)</source>
        <translation>Stromstärkerechner (dreiphasig)</translation>
    </message>
    <message>
        <source>Torque to Watts</source>
        <translation>Drehmoment in Watt</translation>
    </message>
    <message>
        <source>Torque to Speed</source>
        <translation>Drehmoment in Drehzahl</translation>
    </message>
    <message>
        <source>Power (hp)</source>
        <translation>Leistung (hp)</translation>
    </message>
    <message>
        <source>Horsepower to Speed</source>
        <translation>Leistung (hp) in Drehzahl</translation>
    </message>
    <message>
        <source>Speed to Horsepower</source>
        <translation>Drehzahl in Leistung (hp)</translation>
    </message>
    <message>
        <source>Speed to Watts</source>
        <translation>Drehzahl in Watt</translation>
    </message>
    <message>
        <source>Candela to Lumens</source>
        <translation>Candela in Lumen</translation>
    </message>
    <message>
        <source>Candela</source>
        <translation>Candela</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Candela to Lux (feet)</source>
        <translation>Candela in Lux (Fuß)</translation>
    </message>
    <message>
        <source>Distance (ft)</source>
        <translation>Abstand (ft)</translation>
    </message>
    <message>
        <source>Candela to Lux (meter)</source>
        <translation>Candela in Lux (Meter)</translation>
    </message>
    <message>
        <source>Distance (m)</source>
        <translation>Abstand (m)</translation>
    </message>
    <message>
        <source>Lumens to Candela</source>
        <translation>Lumen in Candela</translation>
    </message>
    <message>
        <source>Lumens (lm)</source>
        <translation>Lumen (lm)</translation>
    </message>
</context>
<context>
    <name>zq::Encoders</name>
    <message>
        <source>Not Base64: &quot;%1&quot; (character %2) is not one of its letters, digits, &quot;+&quot; and &quot;/&quot;.</source>
        <translation>Kein Base64: „%1“ (Zeichen %2) ist weder Buchstabe noch Ziffer noch „+“ oder „/“.</translation>
    </message>
    <message>
        <source>Not Base64: padding &quot;=&quot; (character %1) comes before the end.</source>
        <translation>Kein Base64: Das Füllzeichen „=“ (Zeichen %1) steht vor dem Ende.</translation>
    </message>
    <message>
        <source>Not Base64: the last group has one character, too few for a byte.</source>
        <translation>Kein Base64: Die letzte Gruppe hat nur ein Zeichen, zu wenig für ein Byte.</translation>
    </message>
    <message>
        <source>Not Base64: the padding at the end does not fit the last group.</source>
        <translation>Kein Base64: Die Füllzeichen am Ende passen nicht zur letzten Gruppe.</translation>
    </message>
</context>
<context>
    <name>zq::EquationSolver</name>
    <message>
        <source>Equation Solver</source>
        <translation>Gleichungslöser</translation>
    </message>
    <message>
        <source>a</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Rechenart</translation>
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
        <translation>Rechenweg</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Lösen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>An operator from the list: + - * /</source>
        <translation>Ein Operator aus der Liste: + - * /</translation>
    </message>
    <message>
        <source>A number other than zero</source>
        <translation>Eine Zahl ungleich null</translation>
    </message>
    <message>
        <source>A number other than zero: it divides</source>
        <translation>Eine Zahl ungleich null: Durch sie wird geteilt</translation>
    </message>
</context>
<context>
    <name>zq::ExternalPrograms</name>
    <message>
        <source>No calculator program was found (tried %1).</source>
        <translation>Es wurde kein Rechnerprogramm gefunden (versucht: %1).</translation>
    </message>
    <message>
        <source>The calculator program could not be started (tried %1).</source>
        <translation>Das Rechnerprogramm konnte nicht gestartet werden (versucht: %1).</translation>
    </message>
    <message>
        <source>No text editor was found (tried %1).</source>
        <translation>Es wurde kein Texteditor gefunden (versucht: %1).</translation>
    </message>
    <message>
        <source>The text editor could not be started (tried %1).</source>
        <translation>Der Texteditor konnte nicht gestartet werden (versucht: %1).</translation>
    </message>
    <message>
        <source>The home page could not be opened (tried %1 in the web browser).</source>
        <translation>Die Homepage konnte nicht geöffnet werden (versucht: %1 im Webbrowser).</translation>
    </message>
</context>
<context>
    <name>zq::FactorConverter</name>
    <message>
        <source>Weight Converter</source>
        <translation>Gewichtsumrechner</translation>
    </message>
    <message>
        <source>Volume Converter</source>
        <translation>Volumenumrechner</translation>
    </message>
    <message>
        <source>Length Converter</source>
        <translation>Längenumrechner</translation>
    </message>
    <message>
        <source>Area Converter</source>
        <translation>Flächenumrechner</translation>
    </message>
    <message>
        <source>Energy-Power Converter</source>
        <translation>Energie-/Leistungsumrechner</translation>
    </message>
    <message>
        <source>Voltage Converter</source>
        <translation>Spannungsumrechner</translation>
    </message>
    <message>
        <source>Electric Current Converter</source>
        <translation>Stromstärkeumrechner</translation>
    </message>
    <message>
        <source>Angle Converter</source>
        <translation>Winkelumrechner</translation>
    </message>
    <message>
        <source>Speed Converter</source>
        <translation>Geschwindigkeitsumrechner</translation>
    </message>
    <message>
        <source>Astronomical Time Converter</source>
        <translation>Astronomischer Zeitumrechner</translation>
    </message>
    <message>
        <source>Byte Converter</source>
        <translation>Byte-Umrechner</translation>
    </message>
    <message>
        <source>Numbers Converter</source>
        <translation>Zahlenumrechner</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Convert from</source>
        <translation>Umrechnen von</translation>
    </message>
    <message>
        <source>Convert to</source>
        <translation>Umrechnen in</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Umrechnen</translation>
    </message>
    <message>
        <source>Too large to convert to this unit</source>
        <translation>Zu groß für die Umrechnung in diese Einheit</translation>
    </message>
</context>
<context>
    <name>zq::Factorial</name>
    <message>
        <source>Factorial Calculator</source>
        <translation>Fakultätsrechner</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Zahl</translation>
    </message>
    <message>
        <source>Factorial</source>
        <translation>Fakultät</translation>
    </message>
    <message>
        <source>1 between 170</source>
        <translation>1 bis 170</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
</context>
<context>
    <name>zq::FahrenheitC</name>
    <message>
        <source>Temperature Converter</source>
        <translation>Temperaturumrechner</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Skala</translation>
    </message>
    <message>
        <source>Converted temperatures</source>
        <translation>Umgerechnete Temperaturen</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Umrechnen</translation>
    </message>
    <message>
        <source>A scale from the list</source>
        <translation>Eine Skala aus der Liste</translation>
    </message>
    <message>
        <source>Below absolute zero, %1</source>
        <translation>Unter dem absoluten Nullpunkt, %1</translation>
    </message>
</context>
<context>
    <name>zq::FinanceWindows</name>
    <message>
        <source>months</source>
        <translation>Monate</translation>
    </message>
    <message>
        <source>A term other than zero</source>
        <translation>Eine Laufzeit ungleich null</translation>
    </message>
</context>
<context>
    <name>zq::FinancialLease</name>
    <message>
        <source>Financial Lease Calculator</source>
        <translation>Leasingrechner</translation>
    </message>
    <message>
        <source>Loan Amount</source>
        <translation>Kreditbetrag</translation>
    </message>
    <message>
        <source>Residual Value</source>
        <translation>Restwert</translation>
    </message>
    <message>
        <source>Interest Rate</source>
        <translation>Zinssatz</translation>
    </message>
    <message>
        <source>Term/Period</source>
        <translation>Laufzeit</translation>
    </message>
    <message>
        <source>Monthly Payment</source>
        <translation>Monatliche Rate</translation>
    </message>
    <message>
        <source>Total Payment</source>
        <translation>Gesamtzahlung</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
</context>
<context>
    <name>zq::FractionCalculator</name>
    <message>
        <source>Decimal = %1</source>
        <translation>Dezimal = %1</translation>
    </message>
</context>
<context>
    <name>zq::FractionEquality</name>
    <message>
        <source>Fraction Equation Solver</source>
        <translation>Löser für Bruchgleichungen</translation>
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
        <translation>Rechenweg</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Lösen</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Beispiel</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Exactly one term is x</source>
        <translation>Genau ein Glied muss x sein</translation>
    </message>
    <message>
        <source>A number other than zero</source>
        <translation>Eine Zahl ungleich null</translation>
    </message>
</context>
<context>
    <name>zq::FractionMix</name>
    <message>
        <source>Fraction Calculator</source>
        <translation>Bruchrechner</translation>
    </message>
    <message>
        <source>First whole number</source>
        <translation>Erste ganze Zahl</translation>
    </message>
    <message>
        <source>First numerator</source>
        <translation>Erster Zähler</translation>
    </message>
    <message>
        <source>First denominator</source>
        <translation>Erster Nenner</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Rechenart</translation>
    </message>
    <message>
        <source>Second whole number</source>
        <translation>Zweite ganze Zahl</translation>
    </message>
    <message>
        <source>Second numerator</source>
        <translation>Zweiter Zähler</translation>
    </message>
    <message>
        <source>Second denominator</source>
        <translation>Zweiter Nenner</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>An operator from the list: + - * /</source>
        <translation>Ein Operator aus der Liste: + - * /</translation>
    </message>
    <message>
        <source>A denominator other than zero</source>
        <translation>Ein Nenner ungleich null</translation>
    </message>
    <message>
        <source>Dividing by zero: the second fraction is zero</source>
        <translation>Division durch null: Der zweite Bruch ist null</translation>
    </message>
</context>
<context>
    <name>zq::GeometricProgression</name>
    <message>
        <source>Geometric Progression Calculator</source>
        <translation>Rechner für geometrische Folgen</translation>
    </message>
    <message>
        <source>Common Ratio</source>
        <translation>Quotient</translation>
    </message>
</context>
<context>
    <name>zq::GreatestCommon</name>
    <message>
        <source>Greatest Common Factor Calculator</source>
        <translation>Größter gemeinsamer Teiler (ggT)</translation>
    </message>
</context>
<context>
    <name>zq::GrowthRate</name>
    <message>
        <source>Growth Rate Calculator</source>
        <translation>Wachstumsratenrechner</translation>
    </message>
    <message>
        <source>Present Figure</source>
        <translation>Aktueller Wert</translation>
    </message>
    <message>
        <source>Past Figure</source>
        <translation>Früherer Wert</translation>
    </message>
    <message>
        <source>Periods</source>
        <translation>Perioden</translation>
    </message>
    <message>
        <source>Growth Rate</source>
        <translation>Wachstumsrate</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>A past figure other than zero</source>
        <translation>Ein früherer Wert ungleich null</translation>
    </message>
    <message>
        <source>A number of periods other than zero</source>
        <translation>Eine Periodenzahl ungleich null</translation>
    </message>
    <message>
        <source>Both figures of the same sign</source>
        <translation>Beide Werte mit gleichem Vorzeichen</translation>
    </message>
</context>
<context>
    <name>zq::HeartRate</name>
    <message>
        <source>Maximum Heart Rate Calculator</source>
        <translation>Maximalpuls-Rechner</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Alter</translation>
    </message>
    <message>
        <source>MHR</source>
        <translation>HFmax</translation>
    </message>
    <message>
        <source>bpm</source>
        <translation>S/min</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Männlich</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Weiblich</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
</context>
<context>
    <name>zq::HeatIndex</name>
    <message>
        <source>Caution = 27-32 °C
Extreme Caution = 32-41 °C
Danger = 41-54 °C
Extreme Danger = over 54 °C</source>
        <translation>Vorsicht = 27-32 °C
Erhöhte Vorsicht = 32-41 °C
Gefahr = 41-54 °C
Höchste Gefahr = über 54 °C</translation>
    </message>
    <message>
        <source>Caution = 80-90 °F
Extreme Caution = 90-105 °F
Danger = 105-130 °F
Extreme Danger = over 130 °F</source>
        <translation>Vorsicht = 80-90 °F
Erhöhte Vorsicht = 90-105 °F
Gefahr = 105-130 °F
Höchste Gefahr = über 130 °F</translation>
    </message>
    <message>
        <source>Heat Index Calculator</source>
        <translation>Hitzeindex-Rechner</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
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
        <translation>Rel. Luftfeuchte</translation>
    </message>
    <message>
        <source>HI</source>
        <translation>HI</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>A humidity from 0 to 100 %</source>
        <translation>Eine Luftfeuchte von 0 bis 100 %</translation>
    </message>
</context>
<context>
    <name>zq::Help</name>
    <message>
        <source>Help - %1</source>
        <translation>Hilfe - %1</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>zq::HexDecA</name>
    <message>
        <source>Hexadecimal to Decimal</source>
        <translation>Hexadezimal in Dezimal</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Zahl</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Decimal to Hexadecimal</source>
        <translation>Dezimal in Hexadezimal</translation>
    </message>
    <message>
        <source>Hexadecimal digits only: 0 to 9 and A to F</source>
        <translation>Nur Hexadezimalziffern: 0 bis 9 und A bis F</translation>
    </message>
    <message>
        <source>A number not below zero</source>
        <translation>Eine Zahl nicht unter null</translation>
    </message>
</context>
<context>
    <name>zq::Hijri</name>
    <message>
        <source>Hijri to Gregorian</source>
        <translation>Islamisch in Gregorianisch</translation>
    </message>
    <message>
        <source>Converted date</source>
        <translation>Umgerechnetes Datum</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Gregorian to Hijri</source>
        <translation>Gregorianisch in Islamisch</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Umrechnen</translation>
    </message>
    <message>
        <source>If it displays wrong date, replace the month with day.</source>
        <translation>Falls ein falsches Datum erscheint, tauschen Sie Monat und Tag.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
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
        <translation>Hypotenusenrechner</translation>
    </message>
    <message>
        <source>Leg a</source>
        <translation>Kathete a</translation>
    </message>
    <message>
        <source>Leg b</source>
        <translation>Kathete b</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
</context>
<context>
    <name>zq::KombiPermu</name>
    <message>
        <source>Combination &amp; Permutation Calculator</source>
        <translation>Rechner für Kombination &amp; Permutation</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
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
        <translation>Kombination</translation>
    </message>
    <message>
        <source>Permutation</source>
        <translation>Permutation</translation>
    </message>
</context>
<context>
    <name>zq::LeastCommon</name>
    <message>
        <source>Least Common Multiple Calculator</source>
        <translation>Kleinstes gemeinsames Vielfaches (kgV)</translation>
    </message>
</context>
<context>
    <name>zq::Lotto</name>
    <message>
        <source>Random Lottery Numbers Generator</source>
        <translation>Lottozahlen-Generator</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Erzeugen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>zq::MD5Ch</name>
    <message>
        <source>MD5 Hash Calculator</source>
        <translation>MD5-Hashrechner</translation>
    </message>
</context>
<context>
    <name>zq::Main</name>
    <message>
        <source>Search tools (Ctrl+F)</source>
        <translation>Werkzeuge durchsuchen (Strg+F)</translation>
    </message>
    <message>
        <source>Search tools</source>
        <translation>Werkzeuge durchsuchen</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Calculators and converters</source>
        <translation>Rechner und Umrechner</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Homepage</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Notepad</source>
        <translation>Texteditor</translation>
    </message>
    <message>
        <source>PC Running Time</source>
        <translation>PC-Laufzeit</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Zentiqua &amp;Help</source>
        <translation>&amp;Zentiqua-Hilfe</translation>
    </message>
    <message>
        <source>Find a tool</source>
        <translation>Werkzeug suchen</translation>
    </message>
    <message>
        <source>All tools (%1)</source>
        <translation>Alle Werkzeuge (%1)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a category and how many tools it holds</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>No tool matches &quot;%1&quot;.</source>
        <translation>Kein Werkzeug passt zu „%1“.</translation>
    </message>
    <message>
        <source>Select or double click to a Calculator/Converter!</source>
        <translation>Wählen Sie einen Rechner/Umrechner aus oder doppelklicken Sie darauf!</translation>
    </message>
</context>
<context>
    <name>zq::MapScale</name>
    <message>
        <source>Map Scale Calculator</source>
        <translation>Maßstabsrechner</translation>
    </message>
    <message>
        <source>Distance on map (cm)</source>
        <translation>Strecke auf der Karte (cm)</translation>
    </message>
    <message>
        <source>Real distance (km)</source>
        <translation>Reale Strecke (km)</translation>
    </message>
    <message>
        <source>Map scale</source>
        <translation>Maßstab</translation>
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
        <translation>Kartenstrecke</translation>
    </message>
    <message>
        <source>Real Distance</source>
        <translation>Reale Strecke</translation>
    </message>
    <message>
        <source>Map Scale</source>
        <translation>Maßstab</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
</context>
<context>
    <name>zq::MenuTracking</name>
    <message>
        <source>Meals</source>
        <translation>Speisen</translation>
    </message>
    <message>
        <source>Fast Food</source>
        <translation>Fast Food</translation>
    </message>
    <message>
        <source>Desserts</source>
        <translation>Desserts</translation>
    </message>
    <message>
        <source>Drinks</source>
        <translation>Getränke</translation>
    </message>
    <message>
        <source>Restaurant Bill Calculator</source>
        <translation>Rechner für Restaurantrechnungen</translation>
    </message>
    <message>
        <source>Tipping</source>
        <translation>Trinkgeld</translation>
    </message>
    <message>
        <source>Discount</source>
        <translation>Rabatt</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Discounted</source>
        <translation>Rabattiert</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Speisekarte</translation>
    </message>
    <message>
        <source>Qnty</source>
        <translation>Anz.</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>%1 quantity</source>
        <translation>%1 Anzahl</translation>
    </message>
    <message>
        <source>%1 price</source>
        <translation>%1 Preis</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Währung</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Zuschlag</translation>
    </message>
    <message>
        <source>Service - Tipping %</source>
        <translation>Service/Trinkgeld %</translation>
    </message>
    <message>
        <source>Discount %</source>
        <translation>Rabatt %</translation>
    </message>
    <message>
        <source>Table No:</source>
        <translation>Tisch-Nr.:</translation>
    </message>
    <message>
        <source>Bu alan boş bırakılabilir.</source>
        <translation>Dieses Feld kann leer bleiben.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Bill Summary</source>
        <translation>Rechnungsübersicht</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>A unit price is needed</source>
        <translation>Ein Stückpreis ist nötig</translation>
    </message>
    <message>
        <source>You have selected but not enter the Unit Price: %1</source>
        <translation>Sie haben ein Gericht gewählt, aber keinen Stückpreis eingegeben: %1</translation>
    </message>
    <message>
        <source>A percentage is needed</source>
        <translation>Ein Prozentsatz ist nötig</translation>
    </message>
    <message>
        <source>You have selected the Service - Tipping % but not enter the percentage!</source>
        <translation>Sie haben „Service/Trinkgeld %“ gewählt, aber keinen Prozentsatz eingegeben!</translation>
    </message>
    <message>
        <source>You have selected the Discount but not enter the Percentage!</source>
        <translation>Sie haben „Rabatt“ gewählt, aber keinen Prozentsatz eingegeben!</translation>
    </message>
    <message>
        <source>%1 Discounted</source>
        <translation>%1 % Rabatt</translation>
    </message>
    <message>
        <source>Not Discounted</source>
        <translation>Kein Rabatt</translation>
    </message>
    <message>
        <source>Total doesn&apos;t exist!</source>
        <translation>Es gibt noch keine Summe!</translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation>Gespeichert!</translation>
    </message>
</context>
<context>
    <name>zq::MenuTrackingALT</name>
    <message>
        <source>Bill Summary</source>
        <translation>Rechnungsübersicht</translation>
    </message>
    <message>
        <source>Saved bills</source>
        <translation>Gespeicherte Rechnungen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>zq::Mileage</name>
    <message>
        <source>Fuel Consumption Calculator</source>
        <translation>Kraftstoffverbrauchsrechner</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Strecke</translation>
    </message>
    <message>
        <source>Fuel</source>
        <translation>Kraftstoff</translation>
    </message>
    <message>
        <source>Kilometers</source>
        <translation>Kilometer</translation>
    </message>
    <message>
        <source>Miles</source>
        <translation>Meilen</translation>
    </message>
    <message>
        <source>Liters</source>
        <translation>Liter</translation>
    </message>
    <message>
        <source>Gallons</source>
        <translation>Gallonen</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Imperial</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Metrisch</translation>
    </message>
    <message>
        <source>A distance other than zero</source>
        <translation>Eine Strecke ungleich null</translation>
    </message>
    <message>
        <source>An amount of fuel other than zero</source>
        <translation>Eine Kraftstoffmenge ungleich null</translation>
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
        <translation>Hypothekenrechner</translation>
    </message>
    <message>
        <source>Loan Amount</source>
        <translation>Kreditbetrag</translation>
    </message>
    <message>
        <source>Loan Term</source>
        <translation>Laufzeit</translation>
    </message>
    <message>
        <source>years</source>
        <translation>Jahre</translation>
    </message>
    <message>
        <source>Interest Rate</source>
        <translation>Zinssatz</translation>
    </message>
    <message>
        <source>Monthly payment</source>
        <translation>Monatliche Rate</translation>
    </message>
    <message>
        <source>Total payments</source>
        <translation>Summe der Zahlungen</translation>
    </message>
    <message>
        <source>Total interest</source>
        <translation>Zinsen gesamt</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
</context>
<context>
    <name>zq::MultipleNtoN</name>
    <message>
        <source>Product of Numbers N to N</source>
        <translation>Produkt der Zahlen von N bis N</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produkt</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>1 between 170</source>
        <translation>1 bis 170</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>The product is too large for a double</source>
        <translation>Das Produkt ist zu groß für eine double-Zahl</translation>
    </message>
</context>
<context>
    <name>zq::MultiplicationTable</name>
    <message>
        <source>Multiplication Table</source>
        <translation>Einmaleins</translation>
    </message>
    <message>
        <source>Multiplication table</source>
        <translation>Einmaleins</translation>
    </message>
</context>
<context>
    <name>zq::NaturalGas</name>
    <message>
        <source>Natural Gas Consumption Calculator</source>
        <translation>Erdgasverbrauchsrechner</translation>
    </message>
    <message>
        <source>m3</source>
        <translation>m3</translation>
    </message>
    <message>
        <source>Monthly Gas Consumption</source>
        <translation>Monatlicher Gasverbrauch</translation>
    </message>
    <message>
        <source>Monthly Invoice Amount</source>
        <translation>Monatlicher Rechnungsbetrag</translation>
    </message>
    <message>
        <source> VAT Percent (can be blank)</source>
        <translation> MwSt. in % (kann leer bleiben)</translation>
    </message>
    <message>
        <source>1 m3 Gas Amount</source>
        <translation>Betrag für 1 m3 Gas</translation>
    </message>
    <message>
        <source>Average Daily Gas Usage</source>
        <translation>Durchschn. Gasverbrauch pro Tag</translation>
    </message>
    <message>
        <source>Average Daily Gas Amount</source>
        <translation>Durchschn. Gaskosten pro Tag</translation>
    </message>
    <message>
        <source>Monthly VAT Amount</source>
        <translation>Monatliche MwSt.</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>A consumption other than zero</source>
        <translation>Ein Verbrauch ungleich null</translation>
    </message>
</context>
<context>
    <name>zq::NumberBases</name>
    <message>
        <source>Convert</source>
        <translation>Umrechnen</translation>
    </message>
</context>
<context>
    <name>zq::NumbersEnglish</name>
    <message>
        <source>Numbers to String</source>
        <translation>Zahlen in Worten</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Zahl</translation>
    </message>
    <message>
        <source>In words</source>
        <translation>In Worten</translation>
    </message>
    <message>
        <source>Numbers to English</source>
        <translation>Auf Englisch</translation>
    </message>
    <message>
        <source>Numbers to Turkish</source>
        <translation>Auf Türkisch</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Umwandeln</translation>
    </message>
    <message>
        <source>A number from -922337203685477 to 922337203685477</source>
        <translation>Eine Zahl von -922337203685477 bis 922337203685477</translation>
    </message>
    <message>
        <source>Read as %1</source>
        <translation>Als %1 gelesen</translation>
    </message>
</context>
<context>
    <name>zq::OhmLaw</name>
    <message>
        <source>Ohm&apos;s Law Calculator</source>
        <translation>Rechner für das ohmsche Gesetz</translation>
    </message>
    <message>
        <source>Volts</source>
        <translation>Volt</translation>
    </message>
    <message>
        <source>Amperes</source>
        <translation>Ampere</translation>
    </message>
    <message>
        <source>Ohms</source>
        <translation>Ohm</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Widerstand</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
</context>
<context>
    <name>zq::Pascal</name>
    <message>
        <source>Pascal&apos;s Triangle Calculator</source>
        <translation>Pascalsches Dreieck</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>Pascal&apos;s triangle</source>
        <translation>Pascalsches Dreieck</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>A number up to 99</source>
        <translation>Eine Zahl bis 99</translation>
    </message>
</context>
<context>
    <name>zq::Percent</name>
    <message>
        <source>% Percentage Calculator</source>
        <translation>Prozentrechner (%)</translation>
    </message>
    <message>
        <source>Percent rate</source>
        <translation>Prozentsatz</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Grundwert</translation>
    </message>
    <message>
        <source>Percent amount</source>
        <translation>Prozentwert</translation>
    </message>
    <message>
        <source>Percent Rate</source>
        <translation>Prozentsatz</translation>
    </message>
    <message>
        <source>Percent Amount</source>
        <translation>Prozentwert</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
</context>
<context>
    <name>zq::Planets</name>
    <message>
        <source>Mercury</source>
        <translation>Merkur</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Venus</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Jupiter</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Saturn</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>Uranus</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>Neptun</translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation>Pluto</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
</context>
<context>
    <name>zq::PrimeFactor</name>
    <message>
        <source>Prime Factor Calculator</source>
        <translation>Primfaktorrechner</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Zahl</translation>
    </message>
    <message>
        <source>Prime factors</source>
        <translation>Primfaktoren</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>A whole number from 1 to 99999999</source>
        <translation>Eine ganze Zahl von 1 bis 99999999</translation>
    </message>
</context>
<context>
    <name>zq::PrimeNonPrime</name>
    <message>
        <source>Prime,Non-Prime Numbers</source>
        <translation>Primzahlen, Nicht-Primzahlen</translation>
    </message>
    <message>
        <source>Up to</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Zahlen</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Enter the Number!</source>
        <translation>Geben Sie die Zahl ein!</translation>
    </message>
    <message>
        <source>Prime,Non-Prime</source>
        <translation>Primzahlen, Nicht-Primzahlen</translation>
    </message>
    <message>
        <source>A number from 1 to 2147483647</source>
        <translation>Eine Zahl von 1 bis 2147483647</translation>
    </message>
    <message>
        <source>Read as %1</source>
        <translation>Als %1 gelesen</translation>
    </message>
    <message>
        <source>Saved to the program&apos;s location!</source>
        <translation>Im Programmordner gespeichert!</translation>
    </message>
</context>
<context>
    <name>zq::Primes</name>
    <message>
        <source>is prime number</source>
        <translation>ist eine Primzahl</translation>
    </message>
    <message>
        <source>%1   prime</source>
        <translation>%1   Primzahl</translation>
    </message>
    <message>
        <source>is non-prime number</source>
        <translation>ist keine Primzahl</translation>
    </message>
    <message>
        <source>%1   non-prime</source>
        <translation>%1   keine Primzahl</translation>
    </message>
    <message>
        <source>Divisible by %1</source>
        <translation>Teilbar durch %1</translation>
    </message>
    <message>
        <source>Not divisible by %1 , remainder %2</source>
        <translation>Nicht teilbar durch %1, Rest %2</translation>
    </message>
</context>
<context>
    <name>zq::Profit</name>
    <message>
        <source>Profit Calculator</source>
        <translation>Gewinnrechner</translation>
    </message>
    <message>
        <source>Revenue / Selling Price</source>
        <translation>Erlös / Verkaufspreis</translation>
    </message>
    <message>
        <source>Gross Margin</source>
        <translation>Bruttomarge</translation>
    </message>
    <message>
        <source>Gross Profit</source>
        <translation>Bruttogewinn</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Kosten</translation>
    </message>
    <message>
        <source>Mark Up</source>
        <translation>Aufschlag</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>No mark-up: at this margin the cost is zero</source>
        <translation>Kein Aufschlag: Bei dieser Marge sind die Kosten null</translation>
    </message>
</context>
<context>
    <name>zq::ProgressionWindow</name>
    <message>
        <source>Terms</source>
        <translation>Glieder</translation>
    </message>
    <message>
        <source>Initial Value</source>
        <translation>Anfangswert</translation>
    </message>
    <message>
        <source>Number of Terms</source>
        <translation>Anzahl der Glieder</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>A whole number from 2 to 1000000</source>
        <translation>Eine ganze Zahl von 2 bis 1000000</translation>
    </message>
    <message>
        <source>Saved to the program&apos;s location!</source>
        <translation>Im Programmordner gespeichert!</translation>
    </message>
</context>
<context>
    <name>zq::QuadraticEq</name>
    <message>
        <source>Quadratic Equation Solver</source>
        <translation>Löser für quadratische Gleichungen</translation>
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
        <translation>Rechte Seite</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Lösen</translation>
    </message>
    <message>
        <source>A whole number from -32768 to 32767</source>
        <translation>Eine ganze Zahl von -32768 bis 32767</translation>
    </message>
    <message>
        <source>A number other than zero</source>
        <translation>Eine Zahl ungleich null</translation>
    </message>
    <message>
        <source>This isn&apos;t a quadratic equation.</source>
        <translation>Das ist keine quadratische Gleichung.</translation>
    </message>
    <message>
        <source>The equation has no real root</source>
        <translation>Die Gleichung hat keine reelle Lösung</translation>
    </message>
    <message>
        <source>Equation Roots:</source>
        <translation>Lösungen:</translation>
    </message>
    <message>
        <source>The equation has a repeated root</source>
        <translation>Die Gleichung hat eine doppelte Lösung</translation>
    </message>
</context>
<context>
    <name>zq::RAMAtomNo</name>
    <message>
        <source>Atomic Numbers of Elements</source>
        <translation>Ordnungszahlen der Elemente</translation>
    </message>
    <message>
        <source>Atomic numbers</source>
        <translation>Ordnungszahlen</translation>
    </message>
</context>
<context>
    <name>zq::RAMfrm</name>
    <message>
        <source>Relative Atomic Mass Calculator</source>
        <translation>Rechner für relative Atommassen</translation>
    </message>
    <message>
        <source>Element or formula</source>
        <translation>Element oder Formel</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Kept results</source>
        <translation>Gemerkte Ergebnisse</translation>
    </message>
    <message>
        <source>Element Mass</source>
        <translation>Elementmasse</translation>
    </message>
    <message>
        <source>Compound Mass</source>
        <translation>Verbindungsmasse</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Atomic Numbers</source>
        <translation>Ordnungszahlen</translation>
    </message>
    <message>
        <source>No element of that name or symbol</source>
        <translation>Kein Element mit diesem Namen oder Symbol</translation>
    </message>
    <message>
        <source>Empty: a formula is needed</source>
        <translation>Leer: Eine Formel ist nötig</translation>
    </message>
    <message>
        <source>Symbols begin with a capital, as in H2SO4; see the list</source>
        <translation>Symbole beginnen mit einem Großbuchstaben, wie in H2SO4; siehe Liste</translation>
    </message>
    <message>
        <source>Saved to the program&apos;s location!</source>
        <translation>Im Programmordner gespeichert!</translation>
    </message>
</context>
<context>
    <name>zq::RandomNumber</name>
    <message>
        <source>Random Password Generator</source>
        <translation>Zufallspasswort-Generator</translation>
    </message>
    <message>
        <source>Character set</source>
        <translation>Zeichensatz</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Erzeugen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>A character set from the list</source>
        <translation>Ein Zeichensatz aus der Liste</translation>
    </message>
    <message>
        <source>No characters: a length above zero makes a password</source>
        <translation>Keine Zeichen: Erst eine Länge über null ergibt ein Passwort</translation>
    </message>
</context>
<context>
    <name>zq::RandomTools</name>
    <message>
        <source>Number/Letter</source>
        <translation>Ziffern/Buchstaben</translation>
    </message>
    <message>
        <source>Number Only</source>
        <translation>Nur Ziffern</translation>
    </message>
    <message>
        <source>Letter Only</source>
        <translation>Nur Buchstaben</translation>
    </message>
    <message>
        <source>Symbol Only</source>
        <translation>Nur Sonderzeichen</translation>
    </message>
    <message>
        <source>Number/Letter/Symbol</source>
        <translation>Ziffern/Buchstaben/Sonderzeichen</translation>
    </message>
</context>
<context>
    <name>zq::ResistorCode</name>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Braun</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>%1 ohms</source>
        <translation>%1 Ohm</translation>
    </message>
    <message>
        <source>%1 Kohms</source>
        <translation>%1 kOhm</translation>
    </message>
    <message>
        <source>%1 Mohms</source>
        <translation>%1 MOhm</translation>
    </message>
</context>
<context>
    <name>zq::ResistorColor</name>
    <message>
        <source>Resistor Color Code Calculator</source>
        <translation>Widerstandsfarbcode-Rechner</translation>
    </message>
    <message>
        <source>First band</source>
        <translation>1. Ring</translation>
    </message>
    <message>
        <source>Second band</source>
        <translation>2. Ring</translation>
    </message>
    <message>
        <source>Multiplier</source>
        <translation>Multiplikator</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Toleranz</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Widerstand</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
</context>
<context>
    <name>zq::RestaurantBill</name>
    <message>
        <source>Casserole</source>
        <translation>Auflauf</translation>
    </message>
    <message>
        <source>Chicken</source>
        <translation>Hähnchen</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Fisch</translation>
    </message>
    <message>
        <source>Fry</source>
        <translation>Gebratenes</translation>
    </message>
    <message>
        <source>Homemade Food</source>
        <translation>Hausmannskost</translation>
    </message>
    <message>
        <source>Omelette</source>
        <translation>Omelett</translation>
    </message>
    <message>
        <source>Soup</source>
        <translation>Suppe</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Breakfast</source>
        <translation>Frühstück</translation>
    </message>
    <message>
        <source>Hamburger</source>
        <translation>Hamburger</translation>
    </message>
    <message>
        <source>Meatball</source>
        <translation>Frikadellen</translation>
    </message>
    <message>
        <source>Pizza</source>
        <translation>Pizza</translation>
    </message>
    <message>
        <source>Salad</source>
        <translation>Salat</translation>
    </message>
    <message>
        <source>Sandwich</source>
        <translation>Sandwich</translation>
    </message>
    <message>
        <source>Toast</source>
        <translation>Toast</translation>
    </message>
    <message>
        <source>Brownie</source>
        <translation>Brownie</translation>
    </message>
    <message>
        <source>Cake</source>
        <translation>Kuchen</translation>
    </message>
    <message>
        <source>Ice Cream</source>
        <translation>Eis</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Tarte</translation>
    </message>
    <message>
        <source>Coffee</source>
        <translation>Kaffee</translation>
    </message>
    <message>
        <source>Coke</source>
        <translation>Cola</translation>
    </message>
    <message>
        <source>Milkshake</source>
        <translation>Milchshake</translation>
    </message>
    <message>
        <source>Tea</source>
        <translation>Tee</translation>
    </message>
</context>
<context>
    <name>zq::Reverse</name>
    <message>
        <source>Reverse the String</source>
        <translation>Text umkehren</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Reversed text</source>
        <translation>Umgekehrter Text</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Umkehren</translation>
    </message>
</context>
<context>
    <name>zq::Roman</name>
    <message>
        <source>Numbers to Roman</source>
        <translation>Zahlen in römische Ziffern</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Zahl</translation>
    </message>
    <message>
        <source>Roman numeral</source>
        <translation>Römische Zahl</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Umwandeln</translation>
    </message>
</context>
<context>
    <name>zq::SHA256</name>
    <message>
        <source>SHA256 Hash Calculator</source>
        <translation>SHA256-Hashrechner</translation>
    </message>
</context>
<context>
    <name>zq::SaveResult</name>
    <message>
        <source>Could not save to %1: %2</source>
        <translation>Speichern in %1 nicht möglich: %2</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Speichern...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Saved to the program&apos;s location.</source>
        <translation>Im Programmordner gespeichert.</translation>
    </message>
</context>
<context>
    <name>zq::SecondsMin</name>
    <message>
        <source>Seconds to Minutes to Hours</source>
        <translation>Sekunden in Minuten und Stunden</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Minutes and seconds</source>
        <translation>Minuten und Sekunden</translation>
    </message>
</context>
<context>
    <name>zq::Series</name>
    <message>
        <source>Sum of the Series: %1</source>
        <translation>Summe der Reihe: %1</translation>
    </message>
</context>
<context>
    <name>zq::ShapeCalculator</name>
    <message>
        <source>Perimeter Calculator</source>
        <translation>Umfangsrechner</translation>
    </message>
    <message>
        <source>Area Calculator</source>
        <translation>Flächenrechner</translation>
    </message>
    <message>
        <source>Volume Calculator</source>
        <translation>Volumenrechner</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>pi = 3.1415926535</source>
        <translation>pi = 3,1415926535</translation>
    </message>
    <message>
        <source>A shape from the list</source>
        <translation>Eine Form aus der Liste</translation>
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
        <translation>Radius</translation>
    </message>
    <message>
        <source>Radius1</source>
        <translation>Radius1</translation>
    </message>
    <message>
        <source>Radius2</source>
        <translation>Radius2</translation>
    </message>
    <message>
        <source>Radius3</source>
        <translation>Radius3</translation>
    </message>
    <message>
        <source>Inner Radius</source>
        <translation>Innenradius</translation>
    </message>
    <message>
        <source>Outer Radius</source>
        <translation>Außenradius</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Side1</source>
        <translation>Seite1</translation>
    </message>
    <message>
        <source>Side2</source>
        <translation>Seite2</translation>
    </message>
    <message>
        <source>Side3</source>
        <translation>Seite3</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Basis</translation>
    </message>
    <message>
        <source>Base1</source>
        <translation>Basis1</translation>
    </message>
    <message>
        <source>Base2</source>
        <translation>Basis2</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Parallelogram</source>
        <translation>Parallelogramm</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Regular n-polygon</source>
        <translation>Regelmäßiges n-Eck</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadrat</translation>
    </message>
    <message>
        <source>Trapezoid</source>
        <translation>Trapez</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Dreieck</translation>
    </message>
    <message>
        <source>Cone (surface)</source>
        <translation>Kegel (Mantelfläche)</translation>
    </message>
    <message>
        <source>Cube (surface)</source>
        <translation>Würfel (Oberfläche)</translation>
    </message>
    <message>
        <source>Cylinder (surface of side)</source>
        <translation>Zylinder (Mantelfläche)</translation>
    </message>
    <message>
        <source>Cylinder (whole surface)</source>
        <translation>Zylinder (Oberfläche)</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Sphere (surface)</source>
        <translation>Kugel (Oberfläche)</translation>
    </message>
    <message>
        <source>Torus (surface)</source>
        <translation>Torus (Oberfläche)</translation>
    </message>
    <message>
        <source>Cone</source>
        <translation>Kegel</translation>
    </message>
    <message>
        <source>Cube</source>
        <translation>Würfel</translation>
    </message>
    <message>
        <source>Cuboid</source>
        <translation>Quader</translation>
    </message>
    <message>
        <source>Cylinder</source>
        <translation>Zylinder</translation>
    </message>
    <message>
        <source>Ellipsoid</source>
        <translation>Ellipsoid</translation>
    </message>
    <message>
        <source>Irregular Prism</source>
        <translation>Unregelmäßiges Prisma</translation>
    </message>
    <message>
        <source>Pyramid</source>
        <translation>Pyramide</translation>
    </message>
    <message>
        <source>Rectangular Prism</source>
        <translation>Rechtwinkliges Prisma</translation>
    </message>
    <message>
        <source>Sphere</source>
        <translation>Kugel</translation>
    </message>
    <message>
        <source>T Prism</source>
        <translation>T-Prisma</translation>
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
        <translation>Rechner für einfache Zinsen</translation>
    </message>
    <message>
        <source>Base amount</source>
        <translation>Anfangsbetrag</translation>
    </message>
    <message>
        <source>Annual interest rate</source>
        <translation>Jahreszinssatz</translation>
    </message>
    <message>
        <source>Term/Period</source>
        <translation>Laufzeit</translation>
    </message>
    <message>
        <source>Simple Interest</source>
        <translation>Zinsen</translation>
    </message>
    <message>
        <source>Total Amount</source>
        <translation>Gesamtbetrag</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
</context>
<context>
    <name>zq::SimplifyingFraction</name>
    <message>
        <source>Simplifying Fractions Calculator</source>
        <translation>Brüche kürzen</translation>
    </message>
</context>
<context>
    <name>zq::Simultaneous</name>
    <message>
        <source>Simultaneous Equation Solver</source>
        <translation>Löser für Gleichungssysteme</translation>
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
        <translation>Lösen</translation>
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
        <translation>Die Gleichungen sind parallel!</translation>
    </message>
</context>
<context>
    <name>zq::SinCosinTan</name>
    <message>
        <source>Sine,Cosine,Tangent,Arc-Cotangent</source>
        <translation>Sinus, Kosinus, Tangens, Arkuskotangens</translation>
    </message>
    <message>
        <source>Angle in radians</source>
        <translation>Winkel im Bogenmaß</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Werte</translation>
    </message>
    <message>
        <source>Tip: Can type Radian value for Trigonometric values.</source>
        <translation>Tipp: Geben Sie den Winkel im Bogenmaß ein.</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>No cotangent at this angle</source>
        <translation>Kein Kotangens bei diesem Winkel</translation>
    </message>
</context>
<context>
    <name>zq::SquareCubeRoot</name>
    <message>
        <source>Square (Root), Cube (Root) Calculator</source>
        <translation>Quadrat-, Kubikzahl- und Wurzelrechner</translation>
    </message>
    <message>
        <source>Enter Number</source>
        <translation>Zahl eingeben</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadrat</translation>
    </message>
    <message>
        <source>Cube</source>
        <translation>Kubik</translation>
    </message>
    <message>
        <source>Square Root</source>
        <translation>Quadratwurzel</translation>
    </message>
    <message>
        <source>Cube Root</source>
        <translation>Kubikwurzel</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>No roots of a negative number</source>
        <translation>Keine Wurzeln aus einer negativen Zahl</translation>
    </message>
</context>
<context>
    <name>zq::Stopwatch</name>
    <message>
        <source>Stopwatch</source>
        <translation>Stoppuhr</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
</context>
<context>
    <name>zq::Sum1toN</name>
    <message>
        <source>Sum of Numbers N to N</source>
        <translation>Summe der Zahlen von N bis N</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
</context>
<context>
    <name>zq::SumDifferenceCubes</name>
    <message>
        <source>Sum or Difference of Cubes</source>
        <translation>Summe oder Differenz von Kubikzahlen</translation>
    </message>
    <message>
        <source>a</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Rechenart</translation>
    </message>
    <message>
        <source>b</source>
        <translation>b</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>+ or - from the list</source>
        <translation>+ oder - aus der Liste</translation>
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
        <translation>Als %1 gelesen</translation>
    </message>
    <message>
        <source>Not a number, read as %1</source>
        <translation>Keine Zahl, als %1 gelesen</translation>
    </message>
    <message>
        <source>Empty, read as %1</source>
        <translation>Leer, als %1 gelesen</translation>
    </message>
    <message>
        <source>A number too large to compute with</source>
        <translation>Eine Zahl, zu groß zum Rechnen</translation>
    </message>
    <message>
        <source>Empty: a number is needed</source>
        <translation>Leer: Eine Zahl ist nötig</translation>
    </message>
    <message>
        <source>A number is needed</source>
        <translation>Eine Zahl ist nötig</translation>
    </message>
    <message>
        <source>A whole number from %1 to %2</source>
        <translation>Eine ganze Zahl von %1 bis %2</translation>
    </message>
    <message>
        <source>Too large to compute with</source>
        <translation>Zu groß zum Rechnen</translation>
    </message>
</context>
<context>
    <name>zq::TextEncoding</name>
    <message>
        <source>%1 has no character &quot;%2&quot; (character %3 of the text). Choose %4 for this text.</source>
        <translation>%1 kennt das Zeichen „%2“ nicht (Zeichen %3 des Textes). Wählen Sie %4 für diesen Text.</translation>
    </message>
    <message>
        <source>These bytes are not UTF-8 text: byte %1 (%2 in hexadecimal) cannot begin or continue a character.</source>
        <translation>Diese Bytes sind kein UTF-8-Text: Byte %1 (hexadezimal %2) kann kein Zeichen beginnen oder fortsetzen.</translation>
    </message>
</context>
<context>
    <name>zq::TextWindowParts</name>
    <message>
        <source>Encoding</source>
        <translation>Kodierung</translation>
    </message>
    <message>
        <source>Has characters %1 lacks</source>
        <translation>Enthält Zeichen, die in %1 fehlen</translation>
    </message>
    <message>
        <source>Not %1 text once decoded</source>
        <translation>Nach dem Dekodieren kein %1-Text</translation>
    </message>
</context>
<context>
    <name>zq::ToolCatalog</name>
    <message>
        <source>Adsense Code Converter</source>
        <translation>Adsense-Code-Umwandler</translation>
    </message>
    <message>
        <source>Auto Loan Calculator</source>
        <translation>Autokreditrechner</translation>
    </message>
    <message>
        <source>Base64 to String</source>
        <translation>Base64 in Text</translation>
    </message>
    <message>
        <source>Birthday Calculator</source>
        <translation>Geburtstagsrechner</translation>
    </message>
    <message>
        <source>Body Mass Index Calculator</source>
        <translation>Body-Mass-Index-Rechner</translation>
    </message>
    <message>
        <source>Calculator (Windows)</source>
        <translation>Rechner (Windows)</translation>
    </message>
    <message>
        <source>Compound Interest Calculator</source>
        <translation>Zinseszinsrechner</translation>
    </message>
    <message>
        <source>Divisibility Calculator</source>
        <translation>Teilbarkeitsrechner</translation>
    </message>
    <message>
        <source>Division Operation</source>
        <translation>Division mit Rest</translation>
    </message>
    <message>
        <source>Equation Solver</source>
        <translation>Gleichungslöser</translation>
    </message>
    <message>
        <source>Temperature Converter</source>
        <translation>Temperaturumrechner</translation>
    </message>
    <message>
        <source>Hex to ASCII</source>
        <translation>Hex in ASCII</translation>
    </message>
    <message>
        <source>Hexadecimal to Decimal</source>
        <translation>Hexadezimal in Dezimal</translation>
    </message>
    <message>
        <source>Hypotenuse Calculator</source>
        <translation>Hypotenusenrechner</translation>
    </message>
    <message>
        <source>MD5 Hash Calculator</source>
        <translation>MD5-Hashrechner</translation>
    </message>
    <message>
        <source>nth Root Calculator</source>
        <translation>n-te-Wurzel-Rechner</translation>
    </message>
    <message>
        <source>Percentage % Calculator</source>
        <translation>Prozentrechner (%)</translation>
    </message>
    <message>
        <source>Prime Factor Calculator</source>
        <translation>Primfaktorrechner</translation>
    </message>
    <message>
        <source>Prime, Non-Prime Numbers</source>
        <translation>Primzahlen, Nicht-Primzahlen</translation>
    </message>
    <message>
        <source>Quadratic Equation Solver</source>
        <translation>Löser für quadratische Gleichungen</translation>
    </message>
    <message>
        <source>Random Password Generator</source>
        <translation>Zufallspasswort-Generator</translation>
    </message>
    <message>
        <source>Random Lottery Numbers Generator</source>
        <translation>Lottozahlen-Generator</translation>
    </message>
    <message>
        <source>SHA256 Hash Calculator</source>
        <translation>SHA256-Hashrechner</translation>
    </message>
    <message>
        <source>Simultaneous Equation Solver</source>
        <translation>Löser für Gleichungssysteme</translation>
    </message>
    <message>
        <source>Square Root, Cube Root Calculator</source>
        <translation>Quadrat- und Kubikwurzelrechner</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Stoppuhr</translation>
    </message>
    <message>
        <source>Sum of Numbers N to N</source>
        <translation>Summe der Zahlen von N bis N</translation>
    </message>
    <message>
        <source>Sum or Difference of Cubes</source>
        <translation>Summe oder Differenz von Kubikzahlen</translation>
    </message>
    <message>
        <source>Energy-Power Converter</source>
        <translation>Energie-/Leistungsumrechner</translation>
    </message>
    <message>
        <source>Hijri to Gregorian</source>
        <translation>Islamischer in gregorianischen Kalender</translation>
    </message>
    <message>
        <source>Relative Atomic Mass Calculator</source>
        <translation>Rechner für relative Atommassen</translation>
    </message>
    <message>
        <source>Greatest Common Factor Calculator</source>
        <translation>Größter gemeinsamer Teiler (ggT)</translation>
    </message>
    <message>
        <source>Least Common Multiple Calculator</source>
        <translation>Kleinstes gemeinsames Vielfaches (kgV)</translation>
    </message>
    <message>
        <source>Simplifying Fractions Calculator</source>
        <translation>Brüche kürzen</translation>
    </message>
    <message>
        <source>Numbers to String</source>
        <translation>Zahlen in Worten</translation>
    </message>
    <message>
        <source>Reverse the String</source>
        <translation>Text umkehren</translation>
    </message>
    <message>
        <source>Byte Converter</source>
        <translation>Byte-Umrechner</translation>
    </message>
    <message>
        <source>Seconds to Minutes to Hours</source>
        <translation>Sekunden in Minuten und Stunden</translation>
    </message>
    <message>
        <source>Weight Converter</source>
        <translation>Gewichtsumrechner</translation>
    </message>
    <message>
        <source>Volume Converter</source>
        <translation>Volumenumrechner</translation>
    </message>
    <message>
        <source>Weight on Other Planets</source>
        <translation>Gewicht auf anderen Planeten</translation>
    </message>
    <message>
        <source>Factorial Calculator</source>
        <translation>Fakultätsrechner</translation>
    </message>
    <message>
        <source>Length Converter</source>
        <translation>Längenumrechner</translation>
    </message>
    <message>
        <source>Fuel Consumption Calculator</source>
        <translation>Kraftstoffverbrauchsrechner</translation>
    </message>
    <message>
        <source>Mortgage Calculator</source>
        <translation>Hypothekenrechner</translation>
    </message>
    <message>
        <source>Area Converter</source>
        <translation>Flächenumrechner</translation>
    </message>
    <message>
        <source>Voltage Converter</source>
        <translation>Spannungsumrechner</translation>
    </message>
    <message>
        <source>Electric Current Converter</source>
        <translation>Stromstärkeumrechner</translation>
    </message>
    <message>
        <source>Geometric Progression Calculator</source>
        <translation>Rechner für geometrische Folgen</translation>
    </message>
    <message>
        <source>Depreciation Calculator</source>
        <translation>Abschreibungsrechner</translation>
    </message>
    <message>
        <source>Fraction Calculator</source>
        <translation>Bruchrechner</translation>
    </message>
    <message>
        <source>Restaurant Bill Calculator</source>
        <translation>Rechner für Restaurantrechnungen</translation>
    </message>
    <message>
        <source>Resistor Color Code Calculator</source>
        <translation>Widerstandsfarbcode-Rechner</translation>
    </message>
    <message>
        <source>Ohm&apos;s Law Calculator</source>
        <translation>Rechner für das ohmsche Gesetz</translation>
    </message>
    <message>
        <source>Numbers to Roman</source>
        <translation>Zahlen in römische Ziffern</translation>
    </message>
    <message>
        <source>Fibonacci Calculator</source>
        <translation>Fibonacci-Rechner</translation>
    </message>
    <message>
        <source>Coordinate Draw</source>
        <translation>Koordinaten zeichnen</translation>
    </message>
    <message>
        <source>Character Number Calculator</source>
        <translation>Zeichenzähler</translation>
    </message>
    <message>
        <source>Zodiac Calculator</source>
        <translation>Sternzeichenrechner</translation>
    </message>
    <message>
        <source>Binary to Number</source>
        <translation>Binär in Dezimal</translation>
    </message>
    <message>
        <source>Pascal&apos;s Triangle Calculator</source>
        <translation>Pascalsches Dreieck</translation>
    </message>
    <message>
        <source>Fraction Equation Solver</source>
        <translation>Löser für Bruchgleichungen</translation>
    </message>
    <message>
        <source>Multiplication Table</source>
        <translation>Einmaleins</translation>
    </message>
    <message>
        <source>Sine, Cosine, Tangent, Arc-Cotangent</source>
        <translation>Sinus, Kosinus, Tangens, Arkuskotangens</translation>
    </message>
    <message>
        <source>DLL-OCX Registration</source>
        <translation>DLL-/OCX-Registrierung</translation>
    </message>
    <message>
        <source>Angle Converter</source>
        <translation>Winkelumrechner</translation>
    </message>
    <message>
        <source>Product of Numbers N to N</source>
        <translation>Produkt der Zahlen von N bis N</translation>
    </message>
    <message>
        <source>Volume Calculator</source>
        <translation>Volumenrechner</translation>
    </message>
    <message>
        <source>Natural Gas Consumption Calculator</source>
        <translation>Erdgasverbrauchsrechner</translation>
    </message>
    <message>
        <source>Map Scale Calculator</source>
        <translation>Maßstabsrechner</translation>
    </message>
    <message>
        <source>Combination &amp; Permutation</source>
        <translation>Kombination &amp; Permutation</translation>
    </message>
    <message>
        <source>Arithmetic Progression Calculator</source>
        <translation>Rechner für arithmetische Folgen</translation>
    </message>
    <message>
        <source>Speed Converter</source>
        <translation>Geschwindigkeitsumrechner</translation>
    </message>
    <message>
        <source>Earth Year on Other Planets</source>
        <translation>Erdjahr auf anderen Planeten</translation>
    </message>
    <message>
        <source>Simple Interest Calculator</source>
        <translation>Rechner für einfache Zinsen</translation>
    </message>
    <message>
        <source>Perimeter Calculator</source>
        <translation>Umfangsrechner</translation>
    </message>
    <message>
        <source>Area Calculator</source>
        <translation>Flächenrechner</translation>
    </message>
    <message>
        <source>Astronomical Time Converter</source>
        <translation>Astronomischer Zeitumrechner</translation>
    </message>
    <message>
        <source>Numbers Converter</source>
        <translation>Zahlenumrechner</translation>
    </message>
    <message>
        <source>Water Consumption Calculator</source>
        <translation>Wasserverbrauchsrechner</translation>
    </message>
    <message>
        <source>Electricity Consumption Calculator</source>
        <translation>Stromverbrauchsrechner</translation>
    </message>
    <message>
        <source>Wind Chill Index Calculator</source>
        <translation>Windchill-Rechner</translation>
    </message>
    <message>
        <source>Heat Index Calculator</source>
        <translation>Hitzeindex-Rechner</translation>
    </message>
    <message>
        <source>Date Calculator</source>
        <translation>Datumsrechner</translation>
    </message>
    <message>
        <source>Bass Fishing Boat Speed Calculator</source>
        <translation>Bassboot-Geschwindigkeitsrechner</translation>
    </message>
    <message>
        <source>Body Surface Area Calculator</source>
        <translation>Körperoberflächenrechner</translation>
    </message>
    <message>
        <source>Creatinine Calculator</source>
        <translation>Kreatininrechner</translation>
    </message>
    <message>
        <source>Growth Rate Calculator</source>
        <translation>Wachstumsratenrechner</translation>
    </message>
    <message>
        <source>Electrical Calculators</source>
        <translation>Elektrische Rechner</translation>
    </message>
    <message>
        <source>Maximum Heart Rate Calculator</source>
        <translation>Maximalpuls-Rechner</translation>
    </message>
    <message>
        <source>Profit Calculator</source>
        <translation>Gewinnrechner</translation>
    </message>
    <message>
        <source>Financial Lease Calculator</source>
        <translation>Leasingrechner</translation>
    </message>
    <message>
        <source>Units and bases</source>
        <translation>Einheiten und Zahlensysteme</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Zahlen</translation>
    </message>
    <message>
        <source>Equations and geometry</source>
        <translation>Gleichungen und Geometrie</translation>
    </message>
    <message>
        <source>Finance</source>
        <translation>Finanzen</translation>
    </message>
    <message>
        <source>Everyday, health and dates</source>
        <translation>Alltag, Gesundheit und Datum</translation>
    </message>
    <message>
        <source>Text and codes</source>
        <translation>Text und Codes</translation>
    </message>
    <message>
        <source>Science and electricity</source>
        <translation>Wissenschaft und Elektrik</translation>
    </message>
    <message>
        <source>Program and system</source>
        <translation>Programm und System</translation>
    </message>
</context>
<context>
    <name>zq::ToolKeywords</name>
    <message>
        <source>html escape entities blogger advert ads web page code</source>
        <translation>html maskieren entitäten blog werbung anzeigen webseite code umwandeln</translation>
    </message>
    <message>
        <source>car vehicle loan credit finance monthly payment interest annuity instalment</source>
        <translation>auto fahrzeug kredit darlehen finanzierung monatsrate zinsen annuität rate raten</translation>
    </message>
    <message>
        <source>encode decode text email attachment base 64 b64</source>
        <translation>kodieren dekodieren text e-mail anhang base 64 b64</translation>
    </message>
    <message>
        <source>age born birth weekday days weeks months how old</source>
        <translation>alter geboren geburt geburtstag wochentag tage wochen monate wie alt</translation>
    </message>
    <message>
        <source>BMI weight height obesity overweight kg lb health</source>
        <translation>bmi gewicht größe adipositas übergewicht kg lb gesundheit</translation>
    </message>
    <message>
        <source>system desktop arithmetic add subtract</source>
        <translation>system desktop taschenrechner rechnen addieren subtrahieren</translation>
    </message>
    <message>
        <source>savings investment deposit years finance rate</source>
        <translation>sparen ersparnisse geldanlage einlage jahre finanzen zinssatz zinsen</translation>
    </message>
    <message>
        <source>remainder divisible modulo rules divide</source>
        <translation>rest teilbar modulo teilbarkeitsregeln teilen</translation>
    </message>
    <message>
        <source>long division quotient remainder integer divide</source>
        <translation>schriftliche division quotient rest ganzzahl teilen</translation>
    </message>
    <message>
        <source>linear unknown solve algebra</source>
        <translation>linear unbekannte lösen algebra gleichung</translation>
    </message>
    <message>
        <source>celsius fahrenheit kelvin rankine reaumur romer delisle newton degrees °C °F unit convert</source>
        <translation>celsius fahrenheit kelvin rankine réaumur rømer delisle newton grad °C °F einheit umrechnen umrechner</translation>
    </message>
    <message>
        <source>hexadecimal bytes text characters encode decode</source>
        <translation>hexadezimal bytes text zeichen kodieren dekodieren</translation>
    </message>
    <message>
        <source>hex base number hexadecimal decimal unit convert</source>
        <translation>hex basis zahl zahlensystem hexadezimal dezimal umrechnen</translation>
    </message>
    <message>
        <source>right triangle pythagoras legs side geometry</source>
        <translation>rechtwinkliges dreieck pythagoras katheten seite geometrie</translation>
    </message>
    <message>
        <source>hash checksum digest fingerprint file</source>
        <translation>hash hashwert prüfsumme fingerabdruck datei</translation>
    </message>
    <message>
        <source>radical root power exponent</source>
        <translation>wurzel wurzelziehen potenz exponent</translation>
    </message>
    <message>
        <source>percent rate amount share proportion discount</source>
        <translation>prozent prozentsatz betrag anteil verhältnis rabatt</translation>
    </message>
    <message>
        <source>factorise factorize factorization factors prime composite</source>
        <translation>zerlegen faktorisieren primfaktorzerlegung faktoren primzahl zusammengesetzt</translation>
    </message>
    <message>
        <source>list table composite sieve</source>
        <translation>liste tabelle zusammengesetzt sieb</translation>
    </message>
    <message>
        <source>roots discriminant parabola polynomial second degree</source>
        <translation>nullstellen diskriminante parabel polynom zweiten grades</translation>
    </message>
    <message>
        <source>random secure characters letters symbols</source>
        <translation>passwort kennwort zufall zufällig sicher zeichen buchstaben sonderzeichen</translation>
    </message>
    <message>
        <source>lotto lottery powerball mega millions random ticket</source>
        <translation>lotto lotterie eurojackpot zufall zufallszahlen tippschein</translation>
    </message>
    <message>
        <source>hash checksum digest fingerprint file sha 256</source>
        <translation>hash hashwert prüfsumme fingerabdruck datei sha 256</translation>
    </message>
    <message>
        <source>system linear equations cramer unknowns</source>
        <translation>gleichungssystem lineare gleichungen cramer unbekannte</translation>
    </message>
    <message>
        <source>square cube power radical sqrt</source>
        <translation>quadrat kubik potenz wurzel sqrt</translation>
    </message>
    <message>
        <source>timer elapsed time clock</source>
        <translation>timer zeitmessung verstrichene zeit uhr</translation>
    </message>
    <message>
        <source>total series addition range</source>
        <translation>summe reihe addition bereich</translation>
    </message>
    <message>
        <source>cube power algebra</source>
        <translation>kubik kubikzahl potenz algebra</translation>
    </message>
    <message>
        <source>energy power joule watt kilowatt kWh horsepower hp calorie btu unit convert</source>
        <translation>energie leistung joule watt kilowatt kWh pferdestärke ps hp kalorie btu einheit umrechnen umrechner</translation>
    </message>
    <message>
        <source>islamic muslim calendar date convert</source>
        <translation>islamisch muslimisch hidschra kalender datum umrechnen</translation>
    </message>
    <message>
        <source>molar molecular mass chemistry formula element molecule g/mol weight</source>
        <translation>molar molmasse molekülmasse chemie formel element molekül g/mol gewicht</translation>
    </message>
    <message>
        <source>GCF GCD HCF divisor</source>
        <translation>ggt größter gemeinsamer teiler</translation>
    </message>
    <message>
        <source>LCM multiple</source>
        <translation>kgv vielfaches</translation>
    </message>
    <message>
        <source>reduce lowest terms numerator denominator</source>
        <translation>kürzen vollständig gekürzt zähler nenner bruch</translation>
    </message>
    <message>
        <source>words spell english turkish text</source>
        <translation>wörter ausschreiben englisch türkisch text</translation>
    </message>
    <message>
        <source>backwards text mirror</source>
        <translation>rückwärts text spiegeln umdrehen</translation>
    </message>
    <message>
        <source>data storage file size bit byte KB kilobyte MB megabyte GB gigabyte terabyte unit convert</source>
        <translation>daten speicher dateigröße bit byte KB kilobyte MB megabyte GB gigabyte terabyte einheit umrechnen umrechner</translation>
    </message>
    <message>
        <source>time duration seconds minutes hours unit convert</source>
        <translation>zeit dauer sekunden minuten stunden einheit umrechnen umrechner</translation>
    </message>
    <message>
        <source>mass kg kilogram lb pound oz ounce gram stone ton unit convert</source>
        <translation>masse kg kilogramm lb pfund oz unze gramm stone tonne einheit umrechnen umrechner</translation>
    </message>
    <message>
        <source>capacity liter litre ml milliliter gallon pint cup cubic unit convert</source>
        <translation>fassungsvermögen liter ml milliliter gallone pint tasse kubik einheit umrechnen umrechner</translation>
    </message>
    <message>
        <source>gravity moon mars jupiter space</source>
        <translation>schwerkraft mond mars jupiter weltraum</translation>
    </message>
    <message>
        <source>product permutations</source>
        <translation>produkt permutationen</translation>
    </message>
    <message>
        <source>distance km kilometre kilometer m meter metre cm centimetre centimeter mile feet foot inch yard unit convert</source>
        <translation>entfernung strecke km kilometer m meter cm zentimeter meile fuß zoll yard lichtjahr einheit umrechnen umrechner</translation>
    </message>
    <message>
        <source>mileage mpg economy car petrol gasoline liters gallons km/l</source>
        <translation>verbrauch mpg sparsamkeit auto benzin diesel liter gallonen km/l l/100km sprit</translation>
    </message>
    <message>
        <source>home house loan credit interest monthly payment</source>
        <translation>eigenheim haus baufinanzierung kredit zinsen monatsrate</translation>
    </message>
    <message>
        <source>surface square meter foot acre hectare land unit convert</source>
        <translation>fläche quadratmeter fuß acre hektar grundstück einheit umrechnen umrechner</translation>
    </message>
    <message>
        <source>voltage volt millivolt kilovolt electric unit convert</source>
        <translation>spannung volt millivolt kilovolt elektrisch einheit umrechnen umrechner</translation>
    </message>
    <message>
        <source>current ampere amp milliampere electric unit convert</source>
        <translation>strom stromstärke ampere milliampere elektrisch einheit umrechnen umrechner</translation>
    </message>
    <message>
        <source>GP sequence series ratio</source>
        <translation>geometrische folge reihe quotient</translation>
    </message>
    <message>
        <source>asset value declining balance accounting</source>
        <translation>anlagegut wert degressiv buchhaltung afa</translation>
    </message>
    <message>
        <source>mixed add subtract multiply divide</source>
        <translation>gemischte brüche addieren subtrahieren multiplizieren dividieren</translation>
    </message>
    <message>
        <source>tip menu discount service food total</source>
        <translation>trinkgeld speisekarte rabatt bedienung essen summe</translation>
    </message>
    <message>
        <source>colour bands ohm Ω resistance electronics</source>
        <translation>farbcode farbe farbringe ringe ohm Ω widerstand elektronik</translation>
    </message>
    <message>
        <source>resistance voltage current volt ampere ohm Ω</source>
        <translation>widerstand spannung strom volt ampere ohm Ω</translation>
    </message>
    <message>
        <source>numerals convert</source>
        <translation>römische zahlen ziffern umrechnen</translation>
    </message>
    <message>
        <source>sequence series</source>
        <translation>folge reihe</translation>
    </message>
    <message>
        <source>plot graph curve axes</source>
        <translation>zeichnen graph funktion kurve achsen</translation>
    </message>
    <message>
        <source>count characters letters length</source>
        <translation>zählen zeichen buchstaben länge</translation>
    </message>
    <message>
        <source>zodiac sign astrology horoscope star</source>
        <translation>tierkreis sternzeichen astrologie horoskop stern</translation>
    </message>
    <message>
        <source>bits base decimal unit convert</source>
        <translation>bits binär dualzahl basis dezimal umrechnen</translation>
    </message>
    <message>
        <source>binomial coefficients</source>
        <translation>binomialkoeffizienten binomial</translation>
    </message>
    <message>
        <source>proportion ratio cross multiplication</source>
        <translation>verhältnis proportion dreisatz kreuzmultiplikation</translation>
    </message>
    <message>
        <source>times multiply</source>
        <translation>mal multiplizieren malnehmen</translation>
    </message>
    <message>
        <source>trigonometry sin cos tan cotangent arctangent radians angle</source>
        <translation>trigonometrie sin cos tan kotangens arkustangens bogenmaß winkel</translation>
    </message>
    <message>
        <source>register component library regsvr windows</source>
        <translation>registrieren komponente bibliothek regsvr windows</translation>
    </message>
    <message>
        <source>angle degree ° radian grade gradian unit convert</source>
        <translation>winkel grad ° radiant gon neugrad einheit umrechnen umrechner</translation>
    </message>
    <message>
        <source>multiply range</source>
        <translation>multiplizieren bereich</translation>
    </message>
    <message>
        <source>cube cylinder sphere cone solid capacity</source>
        <translation>würfel zylinder kugel kegel körper rauminhalt</translation>
    </message>
    <message>
        <source>bill VAT tax invoice cubic meter utility</source>
        <translation>gas verbrauch rechnung mwst steuer abrechnung kubikmeter versorger</translation>
    </message>
    <message>
        <source>distance km cm</source>
        <translation>entfernung landkarte karte km cm</translation>
    </message>
    <message>
        <source>combinations permutations nCr nPr choose</source>
        <translation>kombinationen permutationen nCr nPr auswählen</translation>
    </message>
    <message>
        <source>AP sequence series difference</source>
        <translation>arithmetische folge reihe differenz</translation>
    </message>
    <message>
        <source>velocity km/h kph mph knot mach unit convert</source>
        <translation>tempo km/h mph knoten mach einheit umrechnen umrechner</translation>
    </message>
    <message>
        <source>orbit period space</source>
        <translation>umlaufbahn umlaufzeit weltraum</translation>
    </message>
    <message>
        <source>savings loan finance rate</source>
        <translation>sparen kredit finanzen zinssatz zinsen</translation>
    </message>
    <message>
        <source>circumference shapes geometry</source>
        <translation>umfang formen figuren geometrie</translation>
    </message>
    <message>
        <source>surface shapes circle geometry</source>
        <translation>flächeninhalt formen figuren kreis geometrie</translation>
    </message>
    <message>
        <source>time day month year sidereal lunar unit convert</source>
        <translation>zeit tag monat jahr siderisch mond einheit umrechnen umrechner</translation>
    </message>
    <message>
        <source>scale million billion thousand dozen googol unit convert</source>
        <translation>zahlwörter million milliarde billion tausend dutzend googol umrechnen umrechner</translation>
    </message>
    <message>
        <source>bill utility invoice tariff</source>
        <translation>verbrauch rechnung versorger abrechnung tarif</translation>
    </message>
    <message>
        <source>electricity kWh bill utility invoice</source>
        <translation>strom verbrauch kWh rechnung versorger abrechnung</translation>
    </message>
    <message>
        <source>cold weather feels like temperature celsius fahrenheit</source>
        <translation>kälte wetter gefühlte temperatur celsius fahrenheit</translation>
    </message>
    <message>
        <source>humidity weather feels like temperature celsius fahrenheit</source>
        <translation>luftfeuchtigkeit hitze wetter gefühlte temperatur celsius fahrenheit</translation>
    </message>
    <message>
        <source>days between dates difference calendar</source>
        <translation>tage zwischen daten differenz kalender</translation>
    </message>
    <message>
        <source>propeller rpm pitch gear mph</source>
        <translation>boot angeln propeller drehzahl u/min steigung übersetzung mph</translation>
    </message>
    <message>
        <source>BSA du bois health</source>
        <translation>kof körperoberfläche du bois gesundheit</translation>
    </message>
    <message>
        <source>kidney clearance cockcroft gault health</source>
        <translation>niere clearance cockcroft gault gesundheit</translation>
    </message>
    <message>
        <source>cagr percent change %</source>
        <translation>cagr prozent veränderung wachstum %</translation>
    </message>
    <message>
        <source>watt volt ampere torque kva lumen lux candela</source>
        <translation>watt volt ampere drehmoment kva lumen lux candela elektrik</translation>
    </message>
    <message>
        <source>pulse bpm exercise fitness health</source>
        <translation>puls herzfrequenz schläge training fitness gesundheit</translation>
    </message>
    <message>
        <source>margin markup cost revenue price %</source>
        <translation>marge aufschlag kosten umsatz erlös preis %</translation>
    </message>
    <message>
        <source>leasing residual loan credit finance payment</source>
        <translation>leasing restwert kredit finanzierung rate</translation>
    </message>
</context>
<context>
    <name>zq::Trigonometry</name>
    <message>
        <source>Sine = %1</source>
        <translation>Sinus = %1</translation>
    </message>
    <message>
        <source>Cosine = %1</source>
        <translation>Kosinus = %1</translation>
    </message>
    <message>
        <source>Tangent = %1</source>
        <translation>Tangens = %1</translation>
    </message>
    <message>
        <source>Cotangent = %1</source>
        <translation>Kotangens = %1</translation>
    </message>
    <message>
        <source>Arctangent = %1</source>
        <translation>Arkustangens = %1</translation>
    </message>
</context>
<context>
    <name>zq::TwoNumberWindow</name>
    <message>
        <source>Not both zero</source>
        <translation>Nicht beide null</translation>
    </message>
    <message>
        <source>A number other than zero</source>
        <translation>Eine Zahl ungleich null</translation>
    </message>
    <message>
        <source>A number from -2147483648 to 2147483647</source>
        <translation>Eine Zahl von -2147483648 bis 2147483647</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Erste Zahl</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Zweite Zahl</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
</context>
<context>
    <name>zq::UtilityConsumption</name>
    <message>
        <source>Water Consumption Calculator</source>
        <translation>Wasserverbrauchsrechner</translation>
    </message>
    <message>
        <source>Monthly Water Consumption</source>
        <translation>Monatlicher Wasserverbrauch</translation>
    </message>
    <message>
        <source>ton</source>
        <translation>t</translation>
    </message>
    <message>
        <source>1 Ton Water Amount</source>
        <translation>Betrag für 1 t Wasser</translation>
    </message>
    <message>
        <source>Average Daily Water Usage</source>
        <translation>Durchschn. Wasserverbrauch pro Tag</translation>
    </message>
    <message>
        <source>Average Daily Water Amount</source>
        <translation>Durchschn. Wasserkosten pro Tag</translation>
    </message>
    <message>
        <source>Electricity Consumption Calculator</source>
        <translation>Stromverbrauchsrechner</translation>
    </message>
    <message>
        <source>Monthly Electric Consumption</source>
        <translation>Monatlicher Stromverbrauch</translation>
    </message>
    <message>
        <source>kWh</source>
        <translation>kWh</translation>
    </message>
    <message>
        <source>1 kWh Electric Amount</source>
        <translation>Betrag für 1 kWh Strom</translation>
    </message>
    <message>
        <source>Average Daily Electric Usage</source>
        <translation>Durchschn. Stromverbrauch pro Tag</translation>
    </message>
    <message>
        <source>Average Daily Electric Amount</source>
        <translation>Durchschn. Stromkosten pro Tag</translation>
    </message>
    <message>
        <source>Monthly Invoice Amount</source>
        <translation>Monatlicher Rechnungsbetrag</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>A consumption other than zero</source>
        <translation>Ein Verbrauch ungleich null</translation>
    </message>
</context>
<context>
    <name>zq::WeightPlanet</name>
    <message>
        <source>Weight on Other Planets</source>
        <translation>Gewicht auf anderen Planeten</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>Weight on other planets</source>
        <translation>Gewicht auf anderen Planeten</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
</context>
<context>
    <name>zq::WindChill</name>
    <message>
        <source>Wind Chill Index Calculator</source>
        <translation>Windchill-Rechner</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
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
        <translation>V (km/h)</translation>
    </message>
    <message>
        <source>WCI</source>
        <translation>WCI</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>V (mi/h)</source>
        <translation>V (mi/h)</translation>
    </message>
    <message>
        <source>A speed not below zero</source>
        <translation>Eine Geschwindigkeit nicht unter null</translation>
    </message>
    <message>
        <source>No wind chill above 50 °F</source>
        <translation>Kein Windchill über 50 °F</translation>
    </message>
    <message>
        <source>No wind chill above 10 °C</source>
        <translation>Kein Windchill über 10 °C</translation>
    </message>
</context>
<context>
    <name>zq::WindowsRunTime</name>
    <message numerus="yes">
        <source>PC running while %1 minutes.</source>
        <translation>
            <numerusform>Der PC läuft seit %1 Minute.</numerusform>
            <numerusform>Der PC läuft seit %1 Minuten.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>zq::YearsPlanet</name>
    <message>
        <source>Earth Year on Other Planets</source>
        <translation>Erdjahr auf anderen Planeten</translation>
    </message>
    <message>
        <source>Years on other planets</source>
        <translation>Jahre auf anderen Planeten</translation>
    </message>
    <message>
        <source>Earth Year</source>
        <translation>Erdjahre</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
</context>
<context>
    <name>zq::fibonacci</name>
    <message>
        <source>Fibonacci Calculator</source>
        <translation>Fibonacci-Rechner</translation>
    </message>
    <message>
        <source>Term</source>
        <translation>Glied</translation>
    </message>
    <message>
        <source>Fibonacci number</source>
        <translation>Fibonacci-Zahl</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Entered number is big! Calculation will take several minutes!
Do you want to continue?</source>
        <translation>Die eingegebene Zahl ist groß! Die Berechnung dauert mehrere Minuten!
Möchten Sie fortfahren?</translation>
    </message>
</context>
<context>
    <name>zq::hex2ascii</name>
    <message>
        <source>Hex to ASCII</source>
        <translation>Hex in ASCII</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Hex to Ascii</source>
        <translation>Hex in ASCII</translation>
    </message>
    <message>
        <source>Ascii to Hex</source>
        <translation>ASCII in Hex</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Umwandeln</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>zq::nthRoot</name>
    <message>
        <source>nth Root Calculator</source>
        <translation>n-te-Wurzel-Rechner</translation>
    </message>
    <message>
        <source>Root degree</source>
        <translation>Wurzelexponent</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Zahl</translation>
    </message>
    <message>
        <source>Root</source>
        <translation>Wurzel</translation>
    </message>
    <message>
        <source>V</source>
        <comment>the radical sign, drawn as a letter</comment>
        <translation>V</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>A root degree other than zero</source>
        <translation>Ein Wurzelexponent ungleich null</translation>
    </message>
    <message>
        <source>No real root of a negative number here</source>
        <translation>Hier keine reelle Wurzel aus einer negativen Zahl</translation>
    </message>
</context>
</TS>
