// The dictionary: every row once, in row order.
//
// DICT_ROW(word id, then the entry in each language in column order)
// DICT_SEPARATOR()   a row of word id -1 with every entry empty; it keeps the
//                    variant groups of the note values apart
//
// Columns: English [American], English [International], Deutsch, Italiano,
// Français, Español, Português, Svenska, Suomi, Nederlands, Vlaams, Dansk, Norsk.
//
// An empty entry borrows: first from the other variants of the same word in the
// same language, then Vlaams from Nederlands, then every language from English
// [American]. Form markers, read by the lookup when it makes a form for a count:
//   "x*"        the same text for one and for several items (the part before *)
//   "x / y"     singular x, plural y
//   "x(y)"      singular x, plural xy; several endings are each treated
//   plain       singular as written, plural with "s" appended (a final "." first removed)
// Trailing spaces are removed by the lookup.
//
// The texts are UTF-8 here and become Windows-1252 bytes at compile time
// (cp1252_text.h). This header has no include guard on purpose: define
// DICT_ROW and DICT_SEPARATOR, include it, undefine them.

// row 0: the names of the languages
DICT_ROW(0, "English [American]", "English [International]", "Deutsch", "Italiano", "Français",
         "Español", "Português", "Svenska", "Suomi", "Nederlands", "Vlaams", "Dansk", "Norsk")

// rows 1..28: buttons and commands
DICT_ROW(1, "OK", "", "OK", "OK", "OK", "Aceptar", "OK", "OK", "OK", "OK", "", "OK", "OK")
DICT_ROW(2, "Cancel", "", "Abbrechen", "Annulla", "Annuler", "Cancelar", "Cancelar", "Avbryt",
         "Peruuta", "Annuleren", "", "Annuller", "Avbryt")
DICT_ROW(6, "Apply", "", "Übernehmen", "Applica", "Appliquer", "Aplicar", "Aplicar", "Verkställ",
         "Käytä", "Toepassen", "", "Anvend", "Bruk")
DICT_ROW(8, "Go", "", "Ausführen", "Esegui", "Exécuter", "Ejecutar", "Executar", "Kör",
         "Suorita", "Uitvoeren", "", "Kør", "Kjør")
DICT_ROW(7, "Close", "", "Schließen", "Chiudi ", "Fermer", "Cerrar", "Fechar", "Stäng", "Sulje",
         "Sluiten", "", "Luk", "Lukk")
DICT_ROW(5, "Default", "", "Standard", "Predefinito", "Par défaut", "Predeterminado", "Padrão",
         "Standard", "Oletus", "Standaard", "", "Standard", "Standard")
DICT_ROW(3, "Yes", "", "Ja", "Sì", "Oui", "Sí", "Sim", "Ja", "Kyllä", "Ja", "", "Ja", "Ja")
DICT_ROW(4, "No", "", "Nein", "No", "Non", "No", "Não", "Nej", "Ei", "Nee", "", "Nej", "Nei")
DICT_ROW(9, "Undo", "", "Rückgängig", "Annulla", "Annuler", "Deshacer", "Desfazer", "Ångra",
         "Kumoa", "Ongedaan maken", "", "Fortryd", "Angre")
DICT_ROW(10, "Redo", "", "Wiederholen", "Ripeti", "Rétablir", "Rehacer", "Refazer", "Gör om",
         "Tee uudelleen", "Opnieuw", "", "Gentag", "Gjør om")
DICT_ROW(11, "Web page", "", "Webseite(n)", "Pagina web / Pagine web", "Page Web / Pages Web",
         "Página web / Páginas web", "Página da Web / Páginas da Web", "Webbsida / Webbsidor",
         "Verkkosivu(a)", "Webpagina('s)", "", "Webside(r)", "Nettside(r)")
DICT_ROW(12, "All", "", "Alle", "Tutti", "Tout", "Todo", "Tudo", "Alla", "Kaikki", "Alle", "",
         "Alle", "Alle")
DICT_ROW(13, "None", "", "Keine", "Nessuno", "Aucun", "Ninguno", "Nenhum", "Ingen", "Ei mitään",
         "Geen", "", "Ingen", "Ingen")
DICT_ROW(14, "Play", "", "Abspielen", "Riproduci", "Lire", "Reproducir", "Reproduzir", "Spela upp",
         "Toista", "Afspelen", "", "Afspil", "Spill av")
DICT_ROW(15, "Listen", "", "Anhören", "Ascolta", "Écouter", "Escuchar", "Ouvir", "Lyssna",
         "Kuuntele", "Beluisteren", "", "Lyt", "Lytt")
DICT_ROW(16, "Options", "", "Optionen", "Opzioni", "Options", "Opciones", "Opções", "Alternativ",
         "Asetukset", "Opties", "", "Indstillinger", "Alternativer")
DICT_ROW(17, "Delete", "", "Löschen", "Elimina", "Supprimer", "Eliminar", "Excluir", "Radera",
         "Poista", "Verwijderen", "", "Slet", "Slett")
DICT_ROW(18, "Remove", "", "Entfernen", "Rimuovi", "Retirer", "Quitar", "Remover", "Ta bort",
         "Poista", "Weghalen", "", "Fjern", "Fjern")
DICT_ROW(19, "Next", "", "Weiter", "Avanti", "Suivant", "Siguiente", "Próximo", "Nästa",
         "Seuraava", "Volgende", "", "Næste", "Neste")
DICT_ROW(20, "Previous", "", "Zurück", "Indietro", "Précédent", "Anterior", "Anterior",
         "Föregående", "Edellinen", "Vorige", "", "Forrige", "Forrige")
DICT_ROW(21, "Revert", "", "Zurücksetzen", "Ripristina", "Revenir", "Revertir", "Reverter",
         "Återställ", "Palauta", "Terugzetten", "", "Gendan", "Tilbakestill")
DICT_ROW(22, "Redraw", "", "Neu zeichnen", "Ridisegna", "Redessiner", "Redibujar", "Redesenhar",
         "Rita om", "Piirrä uudelleen", "Opnieuw tekenen", "", "Tegn igen", "Tegn på nytt")
DICT_ROW(23, "Relative", "", "Relativ", "Relativo", "Relatif", "Relativo", "Relativo", "Relativ",
         "Suhteellinen", "Relatief", "", "Relativ", "Relativ")
DICT_ROW(24, "Register", "", "Registrieren", "Registra", "Enregistrer", "Registrar", "Registrar",
         "Registrera", "Rekisteröi", "Registreren", "", "Registrer", "Registrer")
DICT_ROW(25, "Optimize", "Optimise", "Optimieren", "Ottimizza", "Optimiser", "Optimizar",
         "Otimizar", "Optimera", "Optimoi", "Optimaliseren", "", "Optimer", "Optimaliser")
DICT_ROW(26, "More", "", "Mehr", "Altro", "Plus", "Más", "Mais", "Mer", "Enemmän", "Meer", "",
         "Mere", "Mer")
DICT_ROW(27, "Add", "", "Hinzufügen", "Aggiungi", "Ajouter", "Añadir", "Adicionar", "Lägg till",
         "Lisää", "Toevoegen", "", "Tilføj", "Legg til")
DICT_ROW(28, "Edit", "", "Bearbeiten", "Modifica", "Modifier", "Editar", "Editar", "Redigera",
         "Muokkaa", "Bewerken", "", "Rediger", "Rediger")

// rows 29..31: linking words ("page 3 of 10", "from 2 to 5")
DICT_ROW(254, "of", "", "von", "di", "de", "de", "de", "av", "/", "van", "", "af", "av")
DICT_ROW(255, "to", "", "bis", "-", "à", "hasta", "a", "till", "-", "tot", "", "til", "til")
DICT_ROW(256, "and", "", "und", "e", "et", "y", "e", "och", "ja", "en", "", "og", "og")

// rows 32..58: music terms with singular and plural
DICT_ROW(301, "triplet", "", "Triole(n)", "terzina / terzine", "triolet", "tresillo", "tercina",
         "triol(er)", "trioli(a)", "triool / triolen", "", "triol(er)", "triol(er)")
DICT_ROW(302, "tuplet", "", "N-Tole(n)", "gruppo irregolare / gruppi irregolari", "n-olet",
         "grupo irregular / grupos irregulares", "quiáltera", "n-tol(er)",
         "epäsäännöllinen ryhmä / epäsäännöllistä ryhmää",
         "antimetrische figuur / antimetrische figuren", "", "n-tol(er)", "n-tol(er)")
DICT_ROW(303, "measure", "bar", "Takt(e)", "battuta / battute", "mesure", "compás / compases",
         "compasso", "takt(er)", "tahti(a)", "maat / maten", "", "takt(er)", "takt(er)")
DICT_ROW(304, "staff / staves", "", "System(e)", "pentagramma / pentagrammi", "portée", "pauta(s)",
         "pauta(s)", "notsystem*", "nuottiviivasto(a)", "balk(en)", "notenbalk(en)", "system(er)",
         "notesystem(er)")
DICT_ROW(305, "system", "", "Akkolade(n)", "sistema / sistemi", "système", "sistema", "sistema",
         "system*", "nuottirivi(ä)", "systeem / systemen", "", "akkolade(r)", "system(er)")
DICT_ROW(306, "page", "", "Seite(n)", "pagina / pagine", "page", "página", "página",
         "sida / sidor", "sivu(a)", "pagina('s)", "bladzijde(n)", "side(r)", "side(r)")
DICT_ROW(307, "file", "", "Datei(en)", "file*", "fichier", "archivo", "arquivo", "fil(er)",
         "tiedosto(a)", "bestand(en)", "", "fil(er)", "fil(er)")
DICT_ROW(308, "pickup", "upbeat", "Auftakt(e)", "anacrusi*", "anacrouse", "anacrusa", "anacruse",
         "upptakt(er)", "kohotahti(a)", "opmaat / opmaten", "", "optakt(er)", "opptakt(er)")
DICT_ROW(309, "step", "tone", "Ganzton / Ganztöne", "tono / toni", "ton", "tono", "tom / tons",
         "helton(er)", "kokosävelaskel / kokosävelaskelta", "hele toon / hele tonen", "",
         "heltone(r)", "heltone(r)")
DICT_ROW(310, "half-step", "semitone", "Halbton / Halbtöne", "semitono / semitoni", "demi-ton",
         "semitono", "semitom / semitons", "halvton(er)", "puolisävelaskel / puolisävelaskelta",
         "halve toon / halve tonen", "", "halvtone(r)", "halvtone(r)")
DICT_ROW(311, "grace note", "", "Vorschlagsnote(n)", "nota di abbellimento / note di abbellimento",
         "note(s) d'agrément", "nota(s) de adorno", "apojatura", "förslagsnot(er)",
         "korunuotti(a)", "voorslagnoot / voorslagnoten", "", "forslagsnode(r)",
         "forslagsnote(r)")
DICT_ROW(312, "chord(s)", "", "Akkord(e)", "accordo / accordi", "accord(s)", "acorde(s)",
         "acorde(s)", "ackord*", "sointu(a)", "akkoord(en)", "", "akkord(er)", "akkord(er)")
DICT_ROW(313, "articulation(s)", "", "Artikulation(en)", "articolazione / articolazioni",
         "articulation(s)", "articulación / articulaciones", "articulação / articulações",
         "artikulation(er)", "artikulaatio(ta)", "articulatie(s)", "", "artikulation(er)",
         "artikulasjon(er)")
DICT_ROW(314, "rest(s)", "", "Pause(n)", "pausa / pause", "silence(s)", "silencio(s)", "pausa(s)",
         "paus(er)", "tauko(a)", "rust(en)", "", "pause(r)", "pause(r)")
DICT_ROW(315, "accidental(s)", "", "Versetzungszeichen*", "alterazione / alterazioni",
         "altération(s)", "alteración / alteraciones", "acidente(s)",
         "tillfälligt förtecken / tillfälliga förtecken", "etumerkki(ä)", "voorteken(s)", "",
         "løst fortegn / løse fortegn", "løst fortegn / løse fortegn")
DICT_ROW(316, "clef(s)", "", "Schlüssel*", "chiave / chiavi", "clé(s)", "clave(s)", "clave(s)",
         "klav(er)", "nuottiavain / nuottiavainta", "sleutel(s)", "", "nøgle(r)",
         "nøkkel / nøkler")
DICT_ROW(317, "dot(s)", "", "Punkt(e)", "punto / punti", "point(s)", "puntillo(s)", "ponto(s)",
         "punkt(er)", "piste(ttä)", "punt(en)", "", "punkt(er)", "punkt(er)")
DICT_ROW(318, "slur(s)", "", "Bindebogen / Bindebögen", "legatura di frase / legature di frase",
         "liaison(s) d'articulation", "ligadura(s) de expresión", "ligadura(s) de expressão",
         "legatobåge / legatobågar", "legatokaari / legatokaarta", "legatoboog / legatobogen", "",
         "legatobue(r)", "legatobue(r)")
DICT_ROW(319, "tie(s)", "", "Haltebogen / Haltebögen", "legatura di valore / legature di valore",
         "liaison(s) de prolongation", "ligadura(s) de prolongación",
         "ligadura(s) de prolongamento", "bindebåge / bindebågar", "sidekaari / sidekaarta",
         "overbindingsboog / overbindingsbogen", "", "bindebue(r)", "bindebue(r)")
DICT_ROW(320, "beam(s)", "", "Balken*", "travatura / travature", "ligature(s)",
         "barra(s) de unión", "barra(s) de ligação", "balk(ar)", "palkki(a)",
         "waardestreep / waardestrepen", "", "bjælke(r)", "bjelke(r)")
DICT_ROW(321, "key signature(s)", "", "Tonartvorzeichnung(en)",
         "armatura di chiave / armature di chiave", "armure(s)", "armadura(s)",
         "armadura(s) de clave", "tonartsförtecken*", "sävellajimerkintä(ä)", "voortekening(en)",
         "", "toneartsangivelse(r)", "toneartsangivelse(r)")
DICT_ROW(322, "natural(s)", "", "Auflösungszeichen*", "bequadro / bequadri", "bécarre(s)",
         "becuadro(s)", "bequadro(s)", "återställningstecken*", "palautusmerkki(ä)",
         "herstellingsteken(s)", "", "opløsningstegn*", "oppløsningstegn*")
DICT_ROW(323, "sharp(s)", "", "Kreuz(e)", "diesis*", "dièse(s)", "sostenido(s)", "sustenido(s)",
         "kors*", "ylennysmerkki(ä)", "kruis(en)", "", "kryds*", "kryss*")
DICT_ROW(324, "flat(s)", "", "Be(s)", "bemolle / bemolli", "bémol(s)", "bemol(es)",
         "bemol / bemóis", "b-förtecken*", "alennusmerkki(ä)", "mol(len)", "", "b-fortegn*",
         "b-fortegn*")
DICT_ROW(325, "double-sharp(s)", "", "Doppelkreuz(e)", "doppio diesis / doppi diesis",
         "double(s) dièse(s)", "doble(s) sostenido(s)", "dobrado(s) sustenido(s)", "dubbelkors*",
         "kaksoisylennysmerkki(ä)", "dubbelkruis(en)", "", "dobbeltkryds*", "dobbeltkryss*")
DICT_ROW(326, "double-flat(s)", "", "Doppel-Be(s)", "doppio bemolle / doppi bemolli",
         "double(s) bémol(s)", "doble(s) bemol(es)", "dobrado bemol / dobrados bemóis",
         "dubbel-b*", "kaksoisalennusmerkki(ä)", "dubbelmol(len)", "", "dobbelt-b*", "dobbelt-b*")
DICT_ROW(327, "time signature(s)", "", "Taktart(en)", "indicazione di tempo / indicazioni di tempo",
         "indication(s) de mesure", "indicación de compás / indicaciones de compás",
         "fórmula(s) de compasso", "taktart(er)", "tahtilaji(a)", "maatsoort(en)", "",
         "taktart(er)", "taktart(er)")

// rows 59..64: staff labels and attributes
DICT_ROW(250, "upper staff ", "", "oberes System / obere Systeme ",
         "pentagramma superiore / pentagrammi superiori ", "portée(s) supérieure(s) ",
         "pauta(s) superior(es) ", "pauta(s) superior(es) ", "övre notsystem* ",
         "ylempi nuottiviivasto / ylempää nuottiviivastoa ", "bovenste balk(en) ", "",
         "øverste system(er) ", "øvre notesystem(er) ")
DICT_ROW(251, "lower staff", "", "unteres System / untere Systeme",
         "pentagramma inferiore / pentagrammi inferiori", "portée(s) inférieure(s)",
         "pauta(s) inferior(es)", "pauta(s) inferior(es)", "nedre notsystem*",
         "alempi nuottiviivasto / alempaa nuottiviivastoa", "onderste balk(en)", "",
         "nederste system(er)", "nedre notesystem(er)")
DICT_ROW(252, "hidden", "", "ausgeblendet*", "nascosto / nascosti", "masqué(s)", "oculto(s)",
         "oculto(s)", "dold / dolda", "piilotettu(a)", "verborgen*", "", "skjult(e)", "skjult(e)")
DICT_ROW(253, "optimized", "optimised", "optimiert*", "ottimizzato / ottimizzati", "optimisé(s)",
         "optimizado(s)", "otimizado(s)", "optimerad / optimerade", "optimoitu(a)",
         "geoptimaliseerd*", "", "optimeret / optimerede", "optimalisert(e)")
DICT_ROW(257, "dotted", "", "punktiert*", "puntato / puntati", "pointé(s)", "con puntillo*",
         "pontuado(s)", "punkterad / punkterade", "pisteellinen / pisteellistä", "gepunteerd*", "",
         "punkteret / punkterede", "punktert(e)")
DICT_ROW(258, "double-dotted", "", "doppelt punktiert*", "doppiamente puntato / doppiamente puntati",
         "doublement pointé(s)", "con doble puntillo*", "duplamente pontuado(s)",
         "dubbelpunkterad / dubbelpunkterade", "kaksoispisteellinen / kaksoispisteellistä",
         "dubbel gepunteerd*", "", "dobbeltpunkteret / dobbeltpunkterede", "dobbeltpunktert(e)")

// rows 65..100: note values, each as abbreviation, short name and long name
DICT_ROW(101, "dbl whl.", "breve", "Dop.Gnze*", "breve / brevi", "brève", "cuad.", "breve",
         "brevis*", "brevis(ta)", "brevis / breves", "", "brevis*", "")
DICT_ROW(101, "double whole", "breve", "Doppelganze*", "breve / brevi", "brève", "cuadrada",
         "breve", "brevis*", "kaksoiskokonuotti(a)", "brevis / breves", "", "brevis*",
         "dobbel helnote / doble helnoter")
DICT_ROW(101, "double whole note", "breve", "Doppelganze*", "breve / brevi", "brève", "cuadrada ",
         "breve", "brevis*", "kaksoiskokonuotti(a)", "brevis / breves", "", "brevis*", "")
DICT_SEPARATOR()
DICT_ROW(102, "", "sembrv.", "", "", "ronde", "red.", "", "hel(a)", "kokon.", "hele(n)", "",
         "1/1 node(r)", "")
DICT_ROW(102, "whole", "semibreve", "Ganze*", "semibreve / semibrevi", "ronde", "redonda",
         "semibreve", "helnot(er)", "kokonuotti(a)", "hele(n)", "", "helnode(r)", "helnote(r)")
DICT_ROW(102, "whole note", "", "Ganze Note(n)", "semibreve / semibrevi", "ronde", "redonda",
         "semibreve", "helnot(er)", "kokonuotti(a)", "hele noot / hele noten", "", "helnode(r)", "")
DICT_SEPARATOR()
DICT_ROW(103, "", "", "", "", "blanche", "bl.", "", "halv(a)", "puolin.", "halve(n)", "",
         "1/2 node(r)", "")
DICT_ROW(103, "half / halves", "minim", "Halbe*", "minima / minime", "blanche", "blanca", "mínima",
         "halvnot(er)", "puolinuotti(a)", "halve(n)", "", "halvnode(r)", "halvnote(r)")
DICT_ROW(103, "half note", "", "Halbe Note(n)", "minima / minime", "blanche", "blanca", "mínima",
         "halvnot(er)", "puolinuotti(a)", "halve noot / halve noten", "", "halvnode(r)", "")
DICT_SEPARATOR()
DICT_ROW(104, "qrt.", "", "", "", "noire", "neg.", "", "fjärdedel(ar)", "neljäsosan.", "kwart(en)",
         "", "1/4 node(r)", "")
DICT_ROW(104, "quarter", "crotchet", "Viertel*", "semiminima / semiminime", "noire", "negra",
         "semínima", "fjärdedelsnot(er)", "neljäsosanuotti(a)", "kwart(en)", "",
         "fjerdedelsnode(r)", "firedelsnote(r)")
DICT_ROW(104, "quarter note", "", "Viertelnote(n)", "semiminima / semiminime", "noire", "negra",
         "semínima", "fjärdedelsnot(er)", "neljäsosanuotti(a)", "kwartnoot / kwartnoten", "",
         "fjerdedelsnode(r)", "")
DICT_SEPARATOR()
DICT_ROW(105, "8th", "", "", "", "croche", "cor.", "", "åttondel(ar)", "kahdeksasosan.",
         "achtste(n)", "", "1/8 node(r)", "")
DICT_ROW(105, "eighth", "quaver", "Achtel*", "croma / crome", "croche", "corchea", "colcheia",
         "åttondelsnot(er)", "kahdeksasosanuotti(a)", "achtste(n)", "", "ottendedelsnode(r)",
         "åttendedelsnote(r)")
DICT_ROW(105, "eighth note", "", "Achtelnote(n)", "croma / crome", "croche", "corchea", "colcheia",
         "åttondelsnot(er)", "kahdeksasosanuotti(a)", "achtste noot / achtste noten", "",
         "ottendedelsnode(r)", "")
DICT_SEPARATOR()
DICT_ROW(106, "16th", "", "", "", "double(s) croche(s)", "semic.", "", "sextondel(ar)",
         "kuudestoistaosan.", "zestiende(n)", "", "1/16 node(r)", "")
DICT_ROW(106, "sixteenth", "semiquaver", "Sechzehntel*", "semicroma / semicrome",
         "double(s) croche(s)", "semicorchea", "semicolcheia", "sextondelsnot(er)",
         "kuudestoistaosanuotti(a)", "zestiende(n)", "", "sekstendedelsnode(r)",
         "sekstendedelsnote(r)")
DICT_ROW(106, "sixteenth note", "", "Sechzehntelnote(n)", "semicroma / semicrome",
         "double(s) croche(s)", "semicorchea", "semicolcheia", "sextondelsnot(er)",
         "kuudestoistaosanuotti(a)", "zestiende noot / zestiende noten", "",
         "sekstendedelsnode(r)", "")
DICT_SEPARATOR()
DICT_ROW(107, "32nd", "", "", "", "triple(s) croche(s)", "fus.", "", "32-del(ar)", "32-osan.",
         "32ste(n)", "", "1/32 node(r)", "")
DICT_ROW(107, "32nd", "demisemiquaver", "Zweiunddreißigstel*", "biscroma / biscrome",
         "triple(s) croche(s)", "fusa", "fusa", "32-delsnot(er)", "32-osanuotti(a)", "32ste(n)", "",
         "32-delsnode(r)", "32-delsnote(r)")
DICT_ROW(107, "32nd note", "", "Zweiunddreißigstelnote(n)", "biscroma / biscrome",
         "triple(s) croche(s)", "fusa", "fusa", "32-delsnot(er)", "32-osanuotti(a)",
         "32ste noot / 32ste noten", "", "32-delsnode(r)", "")
DICT_SEPARATOR()
DICT_ROW(108, "64th", "", "", "", "quadruple(s) croche(s)", "semif.", "", "64-del(ar)", "64-osan.",
         "64ste(n)", "", "1/64 node(r)", "")
DICT_ROW(108, "64th", "hemidemisemiquaver", "Vierundsechzigstel*", "semibiscroma / semibiscrome",
         "quadruple(s) croche(s)", "semifusa", "semifusa", "64-delsnot(er)", "64-osanuotti(a)",
         "64ste(n)", "", "64-delsnode(r)", "64-delsnote(r)")
DICT_ROW(108, "64th note", "", "Vierundsechzigstelnote(n)", "semibiscroma / semibiscrome",
         "quadruple(s) croche(s)", "semifusa", "semifusa", "64-delsnot(er)", "64-osanuotti(a)",
         "64ste noot / 64ste noten", "", "64-delsnode(r)", "")
DICT_SEPARATOR()
DICT_ROW(109, "128th", "", "", "", "quintuple(s) croche(s)", "garrap.", "", "128-del(ar)",
         "128-osan.", "128ste(n)", "", "1/128 node(r)", "")
DICT_ROW(109, "128th", "semihemidemisemiquaver", "Hundertachtundzwanzigstel*",
         "centoventottesimo / centoventottesimi", "quintuple(s) croche(s)", "garrapatea",
         "quartifusa", "128-delsnot(er)", "128-osanuotti(a)", "128ste(n)", "", "128-delsnode(r)",
         "128-delsnote(r)")
DICT_ROW(109, "128th note", "", "Hundertachtundzwanzigstelnote(n)",
         "centoventottesimo / centoventottesimi", "quintuple(s) croche(s)", "garrapatea",
         "quartifusa", "128-delsnot(er)", "128-osanuotti(a)", "128ste noot / 128ste noten", "",
         "128-delsnode(r)", "")
DICT_SEPARATOR()

// rows 101..107: length units
DICT_ROW(201, "EVPU", "", "", "EVPU*", "", "", "", "", "", "EVPU*", "", "EVPU*", "")
DICT_ROW(202, "inch(es)", "", "Zoll*", "pollice / pollici", "pouce(s)", "pulgada(s)",
         "polegada(s)", "tum*", "tuuma(a)", "inch*", "", "tomme(r)", "tomme(r)")
DICT_ROW(203, "centimeter", "centimetre", "Zentimeter*", "centimetro / centimetri", "centimètre",
         "centímetro", "centímetro", "centimeter*", "senttimetri(ä)", "centimeter*", "",
         "centimeter*", "centimeter*")
DICT_ROW(204, "cm*", "", "cm*", "cm*", "cm*", "cm*", "cm*", "cm*", "cm*", "cm*", "", "cm*", "cm*")
DICT_ROW(205, "point", "", "Punkt(e)", "punto / punti", "point", "punto", "ponto", "punkt(er)",
         "piste(ttä)", "punt(en)", "", "punkt(er)", "punkt(er)")
DICT_ROW(206, "pica", "", "Pica*", "pica*", "pica", "pica", "paica", "pica*", "pica(a)",
         "pica('s)", "", "pica(er)", "pica(er)")
DICT_ROW(207, "space", "", "Zwischenraum / Zwischenräume", "spazio / spazi", "interligne",
         "espacio", "espaço", "mellanrum*", "viivaväli(ä)", "tussenruimte(n)", "", "mellemrum*",
         "mellomrom*")
