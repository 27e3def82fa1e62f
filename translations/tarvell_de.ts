<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>BoardReading</name>
    <message>
        <source>Water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>Lowland</source>
        <translation>Tiefland</translation>
    </message>
    <message>
        <source>Grassland</source>
        <translation>Grasland</translation>
    </message>
    <message>
        <source>Hills</source>
        <translation>Hügel</translation>
    </message>
    <message>
        <source>High hills</source>
        <translation>Hohe Hügel</translation>
    </message>
    <message>
        <source>Impassable ground</source>
        <translation>Unpassierbares Gelände</translation>
    </message>
    <message>
        <source>Site on grassland</source>
        <translation>Vorkommen auf Grasland</translation>
    </message>
    <message>
        <source>Site on hills</source>
        <translation>Vorkommen auf Hügeln</translation>
    </message>
    <message>
        <source>(%1,%2) %3</source>
        <translation>(%1,%2) %3</translation>
    </message>
    <message>
        <source>income %1</source>
        <translation>Einkommen %1</translation>
    </message>
    <message>
        <source>defence %1</source>
        <translation>Verteidigung %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>Your worth %1 · victory above %2 (%3 × Chaos&apos;s %4) · defeat below %5</source>
        <translation>Dein Wert %1 · Sieg über %2 (%3 × %4 von Chaos) · Niederlage unter %5</translation>
    </message>
    <message>
        <source>Your worth is your money plus your units at their full price. At the end of a turn you win when it is above the victory line and lose when it is below the defeat line. During a turn, income, your losses, and Chaos&apos;s losses and loot move both sides.</source>
        <translation>Dein Wert ist dein Geld plus deine Einheiten zu ihrem vollen Preis. Am Ende einer Runde gewinnst du, wenn er über der Siegesgrenze liegt, und verlierst, wenn er unter der Niederlagengrenze liegt. Während einer Runde verändern Einkommen, deine Verluste sowie die Verluste und die Beute von Chaos beide Seiten.</translation>
    </message>
</context>
<context>
    <name>CAboutDialog</name>
    <message>
        <source>About Tarvell</source>
        <translation>Über Tarvell</translation>
    </message>
    <message>
        <source>Tarvell Version %1</source>
        <translation>Tarvell Version %1</translation>
    </message>
    <message>
        <source>Defend your land.</source>
        <translation>Verteidige dein Land.</translation>
    </message>
    <message>
        <source>Chaos learns as you play.</source>
        <translation>Chaos lernt, während du spielst.</translation>
    </message>
    <message>
        <source>Built on Qt 6.</source>
        <translation>Erstellt mit Qt 6.</translation>
    </message>
</context>
<context>
    <name>CChaosWindow</name>
    <message>
        <source>Record: %1 won, %2 lost (%3 won)</source>
        <translation>Bilanz: %1 gewonnen, %2 verloren (Siegquote %3)</translation>
    </message>
    <message>
        <source>Order by score</source>
        <translation>Nach Wertung sortieren</translation>
    </message>
    <message>
        <source>Tarvell - Chaos</source>
        <translation>Tarvell - Chaos</translation>
    </message>
    <message>
        <source>Each bar is one of Chaos&apos;s 250 strategies: how much better your side did than Chaos when the strategy was replayed against your positions (low is good for Chaos). Chaos plays the strategy whose score lies nearest the target; the target is 0, an even match, while you win at most half your games, and moves towards the lowest score the more you win.</source>
        <translation>Jeder Balken ist eine der 250 Strategien von Chaos: wie viel besser deine Seite abschnitt als Chaos, als die Strategie gegen deine Stellungen nachgespielt wurde (niedrig ist gut für Chaos). Chaos spielt die Strategie, deren Wertung dem Ziel am nächsten liegt; das Ziel ist 0, ein ausgeglichenes Spiel, solange du höchstens die Hälfte deiner Spiele gewinnst, und rückt zur niedrigsten Wertung hin, je mehr du gewinnst.</translation>
    </message>
    <message>
        <source>Simulation: Chaos is replaying your last position under its 250 strategies...</source>
        <translation>Simulation: Chaos spielt deine letzte Stellung mit seinen 250 Strategien nach...</translation>
    </message>
    <message>
        <source>Simulation: none running; the scores are up to date.</source>
        <translation>Simulation: läuft nicht; die Wertungen sind aktuell.</translation>
    </message>
    <message>
        <source>%1   Profile: %2</source>
        <translation>%1   Profil: %2</translation>
    </message>
    <message>
        <source>Strategy in play: %1 (score %2)</source>
        <translation>Strategie im Einsatz: %1 (Wertung %2)</translation>
    </message>
    <message>
        <source>Strategy in play: none yet</source>
        <translation>Strategie im Einsatz: noch keine</translation>
    </message>
    <message>
        <source>Target the record sets now: %1 (nearest: strategy %2)</source>
        <translation>Ziel, das deine Bilanz jetzt vorgibt: %1 (am nächsten: Strategie %2)</translation>
    </message>
    <message>
        <source>Mode in play: Classic (Chaos&apos;s purse is the same for every player)</source>
        <translation>Aktueller Modus: Klassisch (die Kasse von Chaos ist für jeden Spieler gleich)</translation>
    </message>
    <message>
        <source>Mode in play: Adaptive: Chaos&apos;s starting money and income ×%1, from your record of %2 won, %3 lost</source>
        <translation>Aktueller Modus: Adaptiv: Startgeld und Einkommen von Chaos ×%1, nach deiner Bilanz von %2 gewonnen, %3 verloren</translation>
    </message>
    <message>
        <source>Mode in play: Adaptive: Chaos&apos;s starting money and income ×%1; your record of %2 won, %3 lost sets ×%4 for the next game</source>
        <translation>Aktueller Modus: Adaptiv: Startgeld und Einkommen von Chaos ×%1; deine Bilanz von %2 gewonnen, %3 verloren ergibt ×%4 für das nächste Spiel</translation>
    </message>
    <message>
        <source>From the next new game: Adaptive</source>
        <translation>Ab dem nächsten neuen Spiel: Adaptiv</translation>
    </message>
    <message>
        <source>From the next new game: Classic</source>
        <translation>Ab dem nächsten neuen Spiel: Klassisch</translation>
    </message>
</context>
<context>
    <name>CHowToPlayWindow</name>
    <message>
        <source>How to Play Tarvell</source>
        <translation>So spielt man Tarvell</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>CAP</source>
        <translation>UF</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>RF</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>Create a new game
New Game</source>
        <translation>Ein neues Spiel beginnen
Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;New User...</source>
        <translation>Neuer &amp;Benutzer...</translation>
    </message>
    <message>
        <source>Creates a new user profile
New User</source>
        <translation>Legt ein neues Benutzerprofil an
Neuer Benutzer</translation>
    </message>
    <message>
        <source>&amp;Select User...</source>
        <translation>Benutzer &amp;wählen...</translation>
    </message>
    <message>
        <source>Selects another user&apos;s profile
Select User</source>
        <translation>Wählt das Profil eines anderen Benutzers
Benutzer wählen</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Zuletzt geöffnete Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>Quit the game
Exit</source>
        <translation>Das Spiel beenden
Beenden</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Die Statusleiste ein- oder ausblenden
Statusleiste umschalten</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Show the Options Dialog
Show Options Dialog</source>
        <translation>Den Optionendialog anzeigen
Optionen anzeigen</translation>
    </message>
    <message>
        <source>&amp;Chaos...</source>
        <translation>&amp;Chaos...</translation>
    </message>
    <message>
        <source>Show what Chaos has learned about you
Chaos</source>
        <translation>Zeigen, was Chaos über dich gelernt hat
Chaos</translation>
    </message>
    <message>
        <source>Zoom &amp;100 %</source>
        <translation>Zoom &amp;100 %</translation>
    </message>
    <message>
        <source>Show the board at its own size
Zoom 100 %</source>
        <translation>Das Spielfeld in Originalgröße zeigen
Zoom 100 %</translation>
    </message>
    <message>
        <source>Zoom 1&amp;50 %</source>
        <translation>Zoom 1&amp;50 %</translation>
    </message>
    <message>
        <source>Show the board half as large again
Zoom 150 %</source>
        <translation>Das Spielfeld anderthalbmal so groß zeigen
Zoom 150 %</translation>
    </message>
    <message>
        <source>Zoom &amp;200 %</source>
        <translation>Zoom &amp;200 %</translation>
    </message>
    <message>
        <source>Show the board at twice its size
Zoom 200 %</source>
        <translation>Das Spielfeld doppelt so groß zeigen
Zoom 200 %</translation>
    </message>
    <message>
        <source>&amp;About Tarvell...</source>
        <translation>Ü&amp;ber Tarvell...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Programminformationen, Versionsnummer und Copyright anzeigen
Über</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Spielanleitung</translation>
    </message>
    <message>
        <source>Explain the goal, the units, the barbarians and a turn
How to Play</source>
        <translation>Das Ziel, die Einheiten, die Barbaren und den Ablauf einer Runde erklären
Spielanleitung</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Dieses Dokument öffnen</translation>
    </message>
    <message>
        <source>Tarvell</source>
        <translation>Tarvell</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>&amp;Terrain Overlay</source>
        <translation>&amp;Geländeanzeige</translation>
    </message>
    <message>
        <source>Write each square&apos;s income and defence bonus on the board
Terrain Overlay</source>
        <translation>Den Einkommens- und Verteidigungsbonus jedes Felds auf das Spielfeld schreiben
Geländeanzeige</translation>
    </message>
    <message>
        <source>Turn &amp;Report</source>
        <translation>&amp;Rundenbericht</translation>
    </message>
    <message>
        <source>Show or hide the report of the last turn
Turn Report</source>
        <translation>Den Bericht der letzten Runde zeigen oder ausblenden
Rundenbericht</translation>
    </message>
</context>
<context>
    <name>CNewUserDialog</name>
    <message>
        <source>New User</source>
        <translation>Neuer Benutzer</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Benutzername:</translation>
    </message>
</context>
<context>
    <name>COptionsDialog</name>
    <message>
        <source>&amp;Adaptive</source>
        <translation>&amp;Adaptiv</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Slowest</source>
        <translation>Am langsamsten</translation>
    </message>
    <message>
        <source>Fastest</source>
        <translation>Am schnellsten</translation>
    </message>
    <message>
        <source>Game Speed:</source>
        <translation>Spieltempo:</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Klassisch</translation>
    </message>
    <message>
        <source>Chaos:</source>
        <translation>Chaos:</translation>
    </message>
    <message>
        <source>A change of Chaos&apos;s mode applies from the next new game.</source>
        <translation>Eine Änderung des Modus von Chaos gilt ab dem nächsten neuen Spiel.</translation>
    </message>
</context>
<context>
    <name>CRecentFileList</name>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
</context>
<context>
    <name>CScoreChart</name>
    <message>
        <source>strategies, lowest score (best for Chaos) first</source>
        <translation>Strategien, niedrigste Wertung (am besten für Chaos) zuerst</translation>
    </message>
    <message>
        <source>strategies 0 to 249</source>
        <translation>Strategien 0 bis 249</translation>
    </message>
    <message>
        <source>strategy %1 in play</source>
        <translation>Strategie %1 im Einsatz</translation>
    </message>
    <message>
        <source>target %1</source>
        <translation>Ziel %1</translation>
    </message>
    <message>
        <source>Strategy %1: score %2 (in play)</source>
        <translation>Strategie %1: Wertung %2 (im Einsatz)</translation>
    </message>
    <message>
        <source>Strategy %1: score %2</source>
        <translation>Strategie %1: Wertung %2</translation>
    </message>
</context>
<context>
    <name>CTarvellDoc</name>
    <message>
        <source>Your game could not be kept in %1 (%2). It goes on.</source>
        <translation>Dein Spiel konnte nicht in %1 aufgehoben werden (%2). Es geht weiter.</translation>
    </message>
    <message>
        <source>Your kept game %1 cannot be read (%2). A new game starts.</source>
        <translation>Dein aufgehobenes Spiel %1 kann nicht gelesen werden (%2). Ein neues Spiel beginnt.</translation>
    </message>
    <message>
        <source>Your kept game %1 cannot be read (%2); it was set aside as %3. A new game starts.</source>
        <translation>Dein aufgehobenes Spiel %1 kann nicht gelesen werden (%2); es wurde als %3 beiseitegelegt. Ein neues Spiel beginnt.</translation>
    </message>
    <message>
        <source>Tarvell User (*.tvu)</source>
        <translation>Tarvell-Benutzer (*.tvu)</translation>
    </message>
    <message>
        <source>Your record could not be saved to %1 (%2). The games since its last save are not in it.</source>
        <translation>Deine Bilanz konnte nicht in %1 gespeichert werden (%2). Die Spiele seit dem letzten Speichern fehlen darin.</translation>
    </message>
    <message>
        <source>Your record could not be saved to %1 (%2). The game will try again at the next save.</source>
        <translation>Deine Bilanz konnte nicht in %1 gespeichert werden (%2). Das Spiel versucht es beim nächsten Speichern erneut.</translation>
    </message>
    <message>
        <source>Cannot open %1: only Tarvell profiles (*.tvu) can be opened.</source>
        <translation>%1 kann nicht geöffnet werden: Nur Tarvell-Profile (*.tvu) lassen sich öffnen.</translation>
    </message>
    <message>
        <source>%1 is in use by another Tarvell (process %2).</source>
        <translation>%1 wird von einem anderen Tarvell benutzt (Prozess %2).</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>%1 kann nicht geöffnet werden: %2.</translation>
    </message>
</context>
<context>
    <name>CTarvellView</name>
    <message>
        <source>Scout</source>
        <translation>Späher</translation>
    </message>
    <message>
        <source>(0-1-0)</source>
        <translation>(0-1-0)</translation>
    </message>
    <message>
        <source>Scavenger</source>
        <translation>Plünderer</translation>
    </message>
    <message>
        <source>(0-1-2)</source>
        <translation>(0-1-2)</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Gewöhnlich</translation>
    </message>
    <message>
        <source>(6-3-0)</source>
        <translation>(6-3-0)</translation>
    </message>
    <message>
        <source>Amphibious</source>
        <translation>Amphibisch</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Mobil</translation>
    </message>
    <message>
        <source>(5-3-0)</source>
        <translation>(5-3-0)</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation>Springend</translation>
    </message>
    <message>
        <source>(6-2-0)</source>
        <translation>(6-2-0)</translation>
    </message>
    <message>
        <source>Kamikazee</source>
        <translation>Kamikaze</translation>
    </message>
    <message>
        <source>(K) 0-10-0)</source>
        <translation>(K) 0-10-0</translation>
    </message>
    <message>
        <source>Armored</source>
        <translation>Gepanzert</translation>
    </message>
    <message>
        <source>(15-10-0)</source>
        <translation>(15-10-0)</translation>
    </message>
    <message>
        <source>Treasury</source>
        <translation>Kasse</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Runde</translation>
    </message>
    <message>
        <source>End Setup</source>
        <translation>Aufstellung beenden</translation>
    </message>
    <message>
        <source>Ends your setup: Chaos plays one turn (F9). Asks first when more than $1000 would be left unspent.</source>
        <translation>Beendet deine Aufstellung: Chaos spielt eine Runde (F9). Fragt vorher nach, wenn mehr als $1000 übrig blieben.</translation>
    </message>
    <message>
        <source>Your Record</source>
        <translation>Deine Bilanz</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
</context>
<context>
    <name>CTurnReportDock</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Turn Report</source>
        <translation>Rundenbericht</translation>
    </message>
    <message>
        <source>No turn has been shown yet.</source>
        <translation>Noch wurde keine Runde gezeigt.</translation>
    </message>
    <message>
        <source>Turn %1</source>
        <translation>Runde %1</translation>
    </message>
    <message>
        <source>Income earned: %1</source>
        <translation>Verdientes Einkommen: %1</translation>
    </message>
    <message>
        <source>Sold to make room: %1 at (%2,%3) for %4</source>
        <translation>Verkauft, um Platz zu schaffen: %1 auf (%2,%3) für %4</translation>
    </message>
    <message>
        <source>Units lost: %1</source>
        <translation>Verlorene Einheiten: %1</translation>
    </message>
    <message>
        <source>Pick a lost unit to outline its square on the board.</source>
        <translation>Wähle eine verlorene Einheit, um ihr Feld auf dem Spielfeld zu umranden.</translation>
    </message>
    <message>
        <source>%1 at (%2,%3), phase %4</source>
        <translation>%1 auf (%2,%3), Phase %4</translation>
    </message>
    <message>
        <source>Barbarians bought: %1 for %2</source>
        <translation>Gekaufte Barbaren: %1 für %2</translation>
    </message>
    <message>
        <source>Barbarians destroyed: %1</source>
        <translation>Zerstörte Barbaren: %1</translation>
    </message>
    <message>
        <source>Barbarians gone home: %1, with %2 of loot</source>
        <translation>Heimgekehrte Barbaren: %1, mit %2 Beute</translation>
    </message>
    <message>
        <source>Chaos&apos;s gain: %1</source>
        <translation>Gewinn von Chaos: %1</translation>
    </message>
    <message>
        <source>The loot and prices of the barbarians gone home, less what Chaos spent on barbarians. Chaos&apos;s income for the next turn comes on top.</source>
        <translation>Die Beute und die Preise der heimgekehrten Barbaren, abzüglich dessen, was Chaos für Barbaren ausgegeben hat. Das Einkommen von Chaos für die nächste Runde kommt hinzu.</translation>
    </message>
    <message>
        <source>Destruction reports: %1</source>
        <translation>Zerstörungsmeldungen: %1</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Tarvell</source>
        <translation>Tarvell</translation>
    </message>
    <message>
        <source>Leaving this game counts as a loss. Are you sure?</source>
        <translation>Wenn du dieses Spiel verlässt, zählt es als Niederlage. Bist du sicher?</translation>
    </message>
    <message>
        <source>Continue your game from turn %1?</source>
        <translation>Dein Spiel ab Runde %1 fortsetzen?</translation>
    </message>
    <message>
        <source>Choose another user, or play without saving your record.</source>
        <translation>Wähle einen anderen Benutzer oder spiele, ohne deine Bilanz zu speichern.</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Bist du sicher?</translation>
    </message>
    <message>
        <source>This user model already exists. Do you want to overwrite it?</source>
        <translation>Dieses Benutzerprofil existiert bereits. Möchtest du es überschreiben?</translation>
    </message>
    <message>
        <source>Chaos has surrended. Congratulations, your forces are victorious!</source>
        <translation>Chaos hat kapituliert. Glückwunsch, deine Truppen haben gesiegt!</translation>
    </message>
    <message>
        <source>Your forces have been vanquished. Chaos is victorious.</source>
        <translation>Deine Truppen wurden vernichtend geschlagen. Chaos hat gesiegt.</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;NO</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>&amp;Keep for later</source>
        <translation>Für &amp;später aufheben</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>&amp;New User...</source>
        <translation>&amp;Neuer Benutzer...</translation>
    </message>
    <message>
        <source>&amp;Select User...</source>
        <translation>Benutzer &amp;wählen...</translation>
    </message>
    <message>
        <source>&amp;Play Without Saving</source>
        <translation>&amp;Ohne Speichern spielen</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 ist ein Ordner</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>%1 is larger than %2 bytes</source>
        <translation>%1 ist größer als %2 Bytes</translation>
    </message>
    <message>
        <source>The game&apos;s settings cannot be read (%1). It starts with its defaults and remembers no settings this time.</source>
        <translation>Die Einstellungen des Spiels können nicht gelesen werden (%1). Es startet mit den Standardwerten und merkt sich diesmal keine Einstellungen.</translation>
    </message>
</context>
<context>
    <name>UnitTexts</name>
    <message>
        <source>Drone</source>
        <translation>Drohne</translation>
    </message>
    <message>
        <source>Mine</source>
        <translation>Mine</translation>
    </message>
    <message>
        <source>Farmer</source>
        <translation>Bauer</translation>
    </message>
    <message>
        <source>Infantry</source>
        <translation>Infanterie</translation>
    </message>
    <message>
        <source>Settler</source>
        <translation>Siedler</translation>
    </message>
    <message>
        <source>Armor</source>
        <translation>Panzer</translation>
    </message>
    <message>
        <source>Jammer</source>
        <translation>Störsender</translation>
    </message>
    <message>
        <source>Artillery</source>
        <translation>Artillerie</translation>
    </message>
    <message>
        <source>a Drone</source>
        <translation>eine Drohne</translation>
    </message>
    <message>
        <source>a Mine</source>
        <translation>eine Mine</translation>
    </message>
    <message>
        <source>a Farmer</source>
        <translation>ein Bauer</translation>
    </message>
    <message>
        <source>an Infantry</source>
        <translation>Infanterie</translation>
    </message>
    <message>
        <source>a Settler</source>
        <translation>ein Siedler</translation>
    </message>
    <message>
        <source>an Armor</source>
        <translation>ein Panzer</translation>
    </message>
    <message>
        <source>a Jammer</source>
        <translation>ein Störsender</translation>
    </message>
    <message>
        <source>an Artillery</source>
        <translation>Artillerie</translation>
    </message>
    <message>
        <source>Cheap income.</source>
        <translation>Günstiges Einkommen.</translation>
    </message>
    <message>
        <source>The best income, but no defence to speak of.</source>
        <translation>Das beste Einkommen, aber kaum nennenswerte Verteidigung.</translation>
    </message>
    <message>
        <source>A sturdy defender.</source>
        <translation>Ein robuster Verteidiger.</translation>
    </message>
    <message>
        <source>Income and some defence.</source>
        <translation>Einkommen und etwas Verteidigung.</translation>
    </message>
    <message>
        <source>The strongest defender.</source>
        <translation>Der stärkste Verteidiger.</translation>
    </message>
    <message>
        <source>Jams every square within 4: barbarians there learn nothing from their Scouts.</source>
        <translation>Stört jedes Feld im Umkreis von 4: Barbaren dort erfahren nichts von ihren Spähern.</translation>
    </message>
    <message>
        <source>Scout</source>
        <translation>Späher</translation>
    </message>
    <message>
        <source>Scavenger</source>
        <translation>Plünderer</translation>
    </message>
    <message>
        <source>Common Barbarian</source>
        <translation>Gewöhnlicher Barbar</translation>
    </message>
    <message>
        <source>Amphibious Barbarian</source>
        <translation>Amphibischer Barbar</translation>
    </message>
    <message>
        <source>Mobile Barbarian</source>
        <translation>Mobiler Barbar</translation>
    </message>
    <message>
        <source>Jump Barbarian</source>
        <translation>Springender Barbar</translation>
    </message>
    <message>
        <source>Kamikazee Barbarian</source>
        <translation>Kamikaze-Barbar</translation>
    </message>
    <message>
        <source>Armored Barbarian</source>
        <translation>Gepanzerter Barbar</translation>
    </message>
    <message>
        <source>Fights nobody; sees Mines, Artillery cover and jammed ground, and shows fighting barbarians where it stands.</source>
        <translation>Kämpft gegen niemanden; sieht Minen, den Feuerbereich der Artillerie und gestörtes Gelände und zeigt kämpfenden Barbaren, wo er steht.</translation>
    </message>
    <message>
        <source>Fights nobody; roams towards rich land and sites and plunders $2 plus the land&apos;s richness each time.</source>
        <translation>Kämpft gegen niemanden; zieht zu reichem Land und Vorkommen und plündert jedes Mal $2 plus den Reichtum des Landes.</translation>
    </message>
    <message>
        <source>Attacks the unit ahead.</source>
        <translation>Greift die Einheit vor sich an.</translation>
    </message>
    <message>
        <source>Attacks the unit ahead; walks on water and may arrive on it.</source>
        <translation>Greift die Einheit vor sich an; geht über Wasser und kann auch dort erscheinen.</translation>
    </message>
    <message>
        <source>Attacks the unit ahead; acts twice a phase and senses Scouts further away.</source>
        <translation>Greift die Einheit vor sich an; handelt zweimal pro Phase und spürt Späher auf größere Entfernung.</translation>
    </message>
    <message>
        <source>Attacks the unit ahead; jumps over what blocks it and may strike the unit behind.</source>
        <translation>Greift die Einheit vor sich an; springt über Hindernisse und kann die Einheit dahinter treffen.</translation>
    </message>
    <message>
        <source>Acts twice a phase; destroys the unit ahead, Mines excepted, and itself with it.</source>
        <translation>Handelt zweimal pro Phase; zerstört die Einheit vor sich, ausgenommen Minen, und sich selbst mit ihr.</translation>
    </message>
    <message>
        <source>Attacks the unit ahead; clears Mines without harm.</source>
        <translation>Greift die Einheit vor sich an; räumt Minen ohne Schaden.</translation>
    </message>
    <message>
        <source>$%1</source>
        <translation>$%1</translation>
    </message>
    <message>
        <source>Price %1; sells for %2.</source>
        <translation>Preis %1; Wiederverkauf für %2.</translation>
    </message>
    <message>
        <source>no income</source>
        <translation>kein Einkommen</translation>
    </message>
    <message>
        <source>income %1 a turn, more on rich land</source>
        <translation>Einkommen %1 pro Runde, mehr auf reichem Land</translation>
    </message>
    <message>
        <source>No game in progress: start a new game with File &gt; New Game.</source>
        <translation>Kein Spiel im Gange: Starte ein neues Spiel mit Datei &gt; Neues Spiel.</translation>
    </message>
    <message>
        <source>%1: never attacked. A barbarian stepping on it must survive an attack of strength 10 (the Armored Barbarian clears it unharmed). %2</source>
        <translation>%1: wird nie angegriffen. Ein Barbar, der darauf tritt, muss einen Angriff der Stärke 10 überstehen (der Gepanzerte Barbar räumt sie unbeschadet). %2</translation>
    </message>
    <message>
        <source>%1: attack %2, defence %3, %4.</source>
        <translation>%1: Angriff %2, Verteidigung %3, %4.</translation>
    </message>
    <message>
        <source>Fires at every barbarian within 2 squares each phase: at strength 10 or 5 on its outer ring, 5 close by.</source>
        <translation>Beschießt in jeder Phase jeden Barbaren im Umkreis von 2 Feldern: auf dem äußeren Ring mit Stärke 10 oder 5, aus der Nähe mit 5.</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>%1: attack %2, defence %3. %4 Chaos pays %5 for one and gets it back if it survives the turn.</source>
        <translation>%1: Angriff %2, Verteidigung %3. %4 Chaos zahlt %5 pro Stück und bekommt das Geld zurück, wenn der Barbar die Runde überlebt.</translation>
    </message>
    <message>
        <source>Your money: buy units with it between turns.</source>
        <translation>Dein Geld: Kaufe damit zwischen den Runden Einheiten.</translation>
    </message>
    <message>
        <source>Turns played. While a turn runs, its phase (0 to 49) follows in parentheses.</source>
        <translation>Gespielte Runden. Während eine Runde läuft, folgt ihre Phase (0 bis 49) in Klammern.</translation>
    </message>
    <message>
        <source>Games won and lost with this profile, and the share won.</source>
        <translation>Mit diesem Profil gewonnene und verlorene Spiele und der Anteil der Siege.</translation>
    </message>
    <message>
        <source>Water: nothing can be built here.</source>
        <translation>Wasser: Hier kann nichts gebaut werden.</translation>
    </message>
    <message>
        <source>Impassable ground: nothing can be built here.</source>
        <translation>Unpassierbares Gelände: Hier kann nichts gebaut werden.</translation>
    </message>
    <message>
        <source>Occupied: %1 already stands here.</source>
        <translation>Besetzt: Hier steht bereits %1.</translation>
    </message>
    <message>
        <source>Nothing of yours to sell here.</source>
        <translation>Hier gibt es nichts von dir zu verkaufen.</translation>
    </message>
    <message>
        <source>Not enough money: %1 costs %2.</source>
        <translation>Nicht genug Geld – %1 kostet %2.</translation>
    </message>
    <message>
        <source>%1 destroyed at (%2,%3).</source>
        <translation>%1 bei (%2,%3) zerstört.</translation>
    </message>
    <message>
        <source>Turn %1, Phase %2: %3</source>
        <translation>Runde %1, Phase %2: %3</translation>
    </message>
</context>
</TS>
