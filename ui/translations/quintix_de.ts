<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Core</name>
    <message>
        <source>The number of outcomes is too large to count in 32-bit integers</source>
        <translation>Die Zahl der möglichen Ergebnisse ist zu groß für 32-Bit-Ganzzahlen</translation>
    </message>
    <message>
        <source>The factorial of a number above 12 does not fit in 32-bit integers</source>
        <translation>Die Fakultät einer Zahl über 12 passt nicht in 32-Bit-Ganzzahlen</translation>
    </message>
    <message>
        <source>Number of groups must be 1 to 5</source>
        <translation>Die Zahl der Gruppen muss zwischen 1 und 5 liegen</translation>
    </message>
    <message>
        <source>Number of dice rolled must not be negative</source>
        <translation>Die Zahl der geworfenen Würfel darf nicht negativ sein</translation>
    </message>
    <message>
        <source>Dice needed by a group must not be negative</source>
        <translation>Die Zahl der Würfel, die eine Gruppe braucht, darf nicht negativ sein</translation>
    </message>
    <message>
        <source>Too many dice in combination</source>
        <translation>Zu viele Würfel in der Kombination</translation>
    </message>
    <message>
        <source>At most 12 dice can be counted</source>
        <translation>Es lassen sich höchstens 12 Würfel zählen</translation>
    </message>
    <message>
        <source>Series Summary</source>
        <translation>Serienübersicht</translation>
    </message>
    <message>
        <source>Initial Order</source>
        <translation>Startreihenfolge</translation>
    </message>
    <message>
        <source>Aces</source>
        <translation>Einser</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Zweier</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Dreier</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Vierer</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Fünfer</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Sechser</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Upper Total</source>
        <translation>Summe oben</translation>
    </message>
    <message>
        <source>3 Of A Kind</source>
        <translation>Dreierpasch</translation>
    </message>
    <message>
        <source>4 Of A Kind</source>
        <translation>Viererpasch</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Kleine Straße</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>Große Straße</translation>
    </message>
    <message>
        <source>Quintix</source>
        <translation>Quintix</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Chance</translation>
    </message>
    <message>
        <source>Lower Total</source>
        <translation>Summe unten</translation>
    </message>
    <message>
        <source>Game Total</source>
        <translation>Spielsumme</translation>
    </message>
    <message>
        <source>Quintix Bonus</source>
        <translation>Quintix-Bonus</translation>
    </message>
    <message>
        <source>Grand Total</source>
        <translation>Endsumme</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>There are no pages to print.</source>
        <translation>Es gibt keine Seiten zum Drucken.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be opened.</source>
        <translation>Der Drucker „%1“ ließ sich nicht öffnen.</translation>
    </message>
    <message>
        <source>Printing failed: the printer &quot;%1&quot; reported an error.</source>
        <translation>Drucken fehlgeschlagen: Der Drucker „%1“ hat einen Fehler gemeldet.</translation>
    </message>
    <message>
        <source>There are no pages to save.</source>
        <translation>Es gibt keine Seiten zum Speichern.</translation>
    </message>
    <message>
        <source>the pages could not be made into a PDF</source>
        <translation>aus den Seiten ließ sich kein PDF erstellen</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; could not be written: %2.</source>
        <translation>Die PDF-Datei „%1“ ließ sich nicht schreiben: %2.</translation>
    </message>
</context>
<context>
    <name>quintix::TChancesPanel</name>
    <message>
        <source>Chance to win</source>
        <translation>Gewinnchance</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>This game</source>
        <translation>Dieses Spiel</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Waiting for the table of expected totals.</source>
        <translation>Warte auf die Tabelle der erwarteten Summen.</translation>
    </message>
    <message>
        <source>Simulating the rest of the series...</source>
        <translation>Der Rest der Serie wird durchgespielt...</translation>
    </message>
    <message>
        <source>From %1 simulations; each within about %2 points.</source>
        <translation>Aus %1 Simulationen; jede Zahl auf etwa %2 Punkte genau.</translation>
    </message>
</context>
<context>
    <name>quintix::TCoachForm</name>
    <message>
        <source>Score %1</source>
        <translation>%1 eintragen</translation>
    </message>
    <message>
        <source>Coach</source>
        <translation>Trainer</translation>
    </message>
    <message>
        <source>Preparing the coach: %p%</source>
        <translation>Der Trainer wird vorbereitet: %p %</translation>
    </message>
    <message>
        <source>Choice</source>
        <translation>Wahl</translation>
    </message>
    <message>
        <source>Expected total</source>
        <translation>Erwartete Endsumme</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Points given away this game</source>
        <translation>In diesem Spiel verschenkte Punkte</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Start a new game, and the coach will help.</source>
        <translation>Beginnen Sie eine neue Serie, dann hilft der Trainer.</translation>
    </message>
    <message>
        <source>%1 rolls for the order of play; there is nothing to choose.</source>
        <translation>%1 würfelt um die Reihenfolge; es gibt nichts zu entscheiden.</translation>
    </message>
    <message>
        <source>%1 is on turn. The choices show after each roll.</source>
        <translation>%1 ist am Zug. Die Möglichkeiten erscheinen nach jedem Wurf.</translation>
    </message>
    <message>
        <source>%1 has rolled. The choices show once the coach is ready.</source>
        <translation>%1 hat gewürfelt. Die Möglichkeiten erscheinen, sobald der Trainer bereit ist.</translation>
    </message>
    <message>
        <source>%1, after roll %2 of 3. Grand total so far: %3.</source>
        <translation>%1, nach Wurf %2 von 3. Endsumme bisher: %3.</translation>
    </message>
    <message>
        <source>The series is over.</source>
        <translation>Die Serie ist zu Ende.</translation>
    </message>
    <message>
        <source>Best: roll the framed dice again.</source>
        <translation>Am besten: die umrahmten Würfel neu werfen.</translation>
    </message>
    <message>
        <source>Best: %1.</source>
        <translation>Am besten: %1.</translation>
    </message>
    <message>
        <source>Keep %1, roll one die</source>
        <translation>%1 behalten, einen neu werfen</translation>
    </message>
    <message>
        <source>Keep %1, roll two dice</source>
        <translation>%1 behalten, zwei neu werfen</translation>
    </message>
    <message>
        <source>Keep %1, roll three dice</source>
        <translation>%1 behalten, drei neu werfen</translation>
    </message>
    <message>
        <source>Keep %1, roll four dice</source>
        <translation>%1 behalten, vier neu werfen</translation>
    </message>
    <message>
        <source>Roll all five dice again</source>
        <translation>Alle fünf neu werfen</translation>
    </message>
    <message>
        <source>%1 is on turn. With the best play from here the game is expected to reach %2. The choices show after each roll.</source>
        <translation>%1 ist am Zug. Bei bestem Spiel von hier an ist eine Endsumme von %2 zu erwarten. Die Möglichkeiten erscheinen nach jedem Wurf.</translation>
    </message>
    <message>
        <source>%1: %2 – valued once the coach is ready.</source>
        <translation>%1: %2 – wird bewertet, sobald der Trainer bereit ist.</translation>
    </message>
    <message>
        <source>%1: %2 – the best choice.</source>
        <translation>%1: %2 – die beste Wahl.</translation>
    </message>
    <message>
        <source>%1: %2 – gave away %3 points.</source>
        <translation>%1: %2 – %3 Punkte verschenkt.</translation>
    </message>
    <message>
        <source>&amp;Review game</source>
        <translation>Spiel &amp;durchsehen</translation>
    </message>
</context>
<context>
    <name>quintix::TDiePanel</name>
    <message>
        <source>no value</source>
        <translation>ohne Augenzahl</translation>
    </message>
    <message>
        <source>one</source>
        <translation>eins</translation>
    </message>
    <message>
        <source>two</source>
        <translation>zwei</translation>
    </message>
    <message>
        <source>three</source>
        <translation>drei</translation>
    </message>
    <message>
        <source>four</source>
        <translation>vier</translation>
    </message>
    <message>
        <source>five</source>
        <translation>fünf</translation>
    </message>
    <message>
        <source>six</source>
        <translation>sechs</translation>
    </message>
    <message>
        <source>Die %1: %2, marked to roll again</source>
        <translation>Würfel %1: %2, zum Neuwürfeln markiert</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <translation>Würfel %1: %2</translation>
    </message>
</context>
<context>
    <name>quintix::THelpSystem</name>
    <message>
        <source>&amp;What&apos;s This?</source>
        <translation>Was ist &amp;das?</translation>
    </message>
</context>
<context>
    <name>quintix::THelpWindow</name>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Quintix Help</source>
        <translation>Quintix-Hilfe</translation>
    </message>
</context>
<context>
    <name>quintix::THistoryTexts</name>
    <message>
        <source>person</source>
        <translation>Mensch</translation>
    </message>
    <message>
        <source>computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>expert computer</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
</context>
<context>
    <name>quintix::TNewGameForm</name>
    <message>
        <source>Start New Game</source>
        <translation>Neue Serie</translation>
    </message>
    <message>
        <source>Player &amp;%1</source>
        <translation>Spieler &amp;%1</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>&amp;Number Of Games</source>
        <translation>&amp;Anzahl der Spiele</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Expert play</source>
        <translation>&amp;Experte</translation>
    </message>
    <message>
        <source>&amp;Quick computer turns</source>
        <translation>&amp;Schnelle Computerzüge</translation>
    </message>
</context>
<context>
    <name>quintix::TPreviewForm</name>
    <message>
        <source>25%</source>
        <translation>25 %</translation>
    </message>
    <message>
        <source>50%</source>
        <translation>50 %</translation>
    </message>
    <message>
        <source>75%</source>
        <translation>75 %</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100 %</translation>
    </message>
    <message>
        <source>150%</source>
        <translation>150 %</translation>
    </message>
    <message>
        <source>200%</source>
        <translation>200 %</translation>
    </message>
    <message>
        <source>Full Page</source>
        <translation>Ganze Seite</translation>
    </message>
    <message>
        <source>Fit To Width</source>
        <translation>Seitenbreite</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>Zu&amp;rück</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Save P&amp;DF...</source>
        <translation>Als &amp;PDF …</translation>
    </message>
    <message>
        <source>Save PDF</source>
        <translation>Speichern als PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Print Preview - %1   Page %2 of %3</source>
        <translation>Druckvorschau – %1   Seite %2 von %3</translation>
    </message>
    <message>
        <source>Quintix Score Sheet</source>
        <translation>Quintix-Punkteblatt</translation>
    </message>
    <message>
        <source>No printer is available. Use Save PDF to keep the score sheets.</source>
        <translation>Es ist kein Drucker verfügbar. Mit „Als PDF …“ lassen sich die Punkteblätter als PDF-Datei speichern.</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Gespeichert unter %1</translation>
    </message>
</context>
<context>
    <name>quintix::TProbTestForm</name>
    <message>
        <source>ProbTestForm</source>
        <translation>Wahrscheinlichkeitstest</translation>
    </message>
    <message>
        <source>Rolled</source>
        <translation>Gewürfelt</translation>
    </message>
    <message>
        <source>NoOfGroups</source>
        <translation>Gruppen</translation>
    </message>
    <message>
        <source>RandomInclusive</source>
        <translation>Zufall inklusive</translation>
    </message>
    <message>
        <source>Needed</source>
        <translation>Benötigt</translation>
    </message>
    <message>
        <source>PossibleValues</source>
        <translation>Augenzahlen</translation>
    </message>
    <message>
        <source>Probability</source>
        <translation>Wahrscheinlichkeit</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>Probability</source>
        <comment>the caption before the result</comment>
        <translation>Ergebnis</translation>
    </message>
</context>
<context>
    <name>quintix::TQuintixApplication</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Ein unerwarteter Fehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>The history of games could not be kept: %1</source>
        <translation>Der Verlauf der Spiele konnte nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>quintix::TQuintixForm</name>
    <message>
        <source>Pl&amp;ayer:</source>
        <translation>Na&amp;me:</translation>
    </message>
    <message>
        <source>Roll:</source>
        <translation>Wurf:</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neue Serie</translation>
    </message>
    <message>
        <source>&amp;Roll Dice</source>
        <translation>&amp;Würfeln</translation>
    </message>
    <message>
        <source>&amp;Score</source>
        <translation>&amp;Eintragen</translation>
    </message>
    <message>
        <source>&amp;Possibilities</source>
        <translation>&amp;Punktwerte</translation>
    </message>
    <message>
        <source>S&amp;eries</source>
        <translation>&amp;Serie</translation>
    </message>
    <message>
        <source>Prin&amp;t</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Coach</source>
        <translation>&amp;Trainer</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigung</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Möchten Sie Quintix wirklich beenden?</translation>
    </message>
    <message>
        <source>It&apos;s your turn to roll for order</source>
        <translation>Sie würfeln um die Reihenfolge</translation>
    </message>
    <message>
        <source>It&apos;s your turn</source>
        <translation>Sie sind am Zug</translation>
    </message>
    <message>
        <source>It&apos;s %1&apos;s turn to roll for order</source>
        <translation>%1 würfelt um die Reihenfolge</translation>
    </message>
    <message>
        <source>It&apos;s %1&apos;s turn</source>
        <translation>%1 ist am Zug</translation>
    </message>
    <message>
        <source>The winner is %1</source>
        <translation>Gewonnen hat %1</translation>
    </message>
    <message>
        <source>Preparing expert play...</source>
        <translation>Der Experte wird vorbereitet …</translation>
    </message>
    <message>
        <source>just scored</source>
        <translation>soeben eingetragen</translation>
    </message>
    <message>
        <source>possible value</source>
        <translation>möglicher Wert</translation>
    </message>
    <message>
        <source>Game %1</source>
        <translation>Spiel %1</translation>
    </message>
    <message>
        <source>Upper section</source>
        <translation>Oberer Teil</translation>
    </message>
    <message>
        <source>Lower section</source>
        <translation>Unterer Teil</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Summen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Stat&amp;istics</source>
        <translation>Stat&amp;istik</translation>
    </message>
</context>
<context>
    <name>quintix::TReviewForm</name>
    <message>
        <source>Score %1</source>
        <translation>%1 eintragen</translation>
    </message>
    <message>
        <source>Roll all five again</source>
        <translation>Alle fünf neu würfeln</translation>
    </message>
    <message>
        <source>Keep %1</source>
        <translation>%1 behalten</translation>
    </message>
    <message>
        <source>Game Review</source>
        <translation>Durchsicht eines Spiels</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Zug</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Wurf</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Würfel</translation>
    </message>
    <message>
        <source>Decision</source>
        <translation>Entscheidung</translation>
    </message>
    <message>
        <source>Best choice</source>
        <translation>Beste Wahl</translation>
    </message>
    <message>
        <source>Expected total</source>
        <translation>Erwartete Endsumme</translation>
    </message>
    <message>
        <source>Given away</source>
        <translation>Verschenkt</translation>
    </message>
    <message>
        <source>Costliest</source>
        <translation>Teuerste</translation>
    </message>
    <message>
        <source>&amp;Previous costly</source>
        <translation>&amp;Vorige teure</translation>
    </message>
    <message>
        <source>&amp;Next costly</source>
        <translation>&amp;Nächste teure</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>%1&apos;s game is not in the history, so it cannot be reviewed.</source>
        <translation>Das Spiel von %1 ist nicht im Verlauf gespeichert und lässt sich daher nicht durchsehen.</translation>
    </message>
    <message>
        <source>Preparing the review of %1&apos;s game: the table of expected totals is being worked out.</source>
        <translation>Die Durchsicht des Spiels von %1 wird vorbereitet: Die Tabelle der erwarteten Summen wird berechnet.</translation>
    </message>
    <message>
        <source>%1&apos;s game of %2 cannot be reviewed: its stored decisions are damaged.</source>
        <translation>Das Spiel von %1 vom %2 lässt sich nicht durchsehen: Seine gespeicherten Entscheidungen sind beschädigt.</translation>
    </message>
    <message>
        <source>%1, game %2, %3: grand total %4. Points given away: %5.</source>
        <translation>%1, Spiel %2, %3: Endsumme %4. Verschenkte Punkte: %5.</translation>
    </message>
    <message>
        <source>Turn %1, roll %2: %3, leading to %4. Best: %5, leading to %6. Given away: %7.</source>
        <translation>Zug %1, Wurf %2: %3, führt zu %4. Am besten: %5, führt zu %6. Verschenkt: %7.</translation>
    </message>
</context>
<context>
    <name>quintix::TScoreForm</name>
    <message>
        <source>Score</source>
        <translation>Wertung</translation>
    </message>
    <message>
        <source>Scoring &amp;Line</source>
        <translation>Freie &amp;Zeilen</translation>
    </message>
    <message>
        <source>&amp;Score</source>
        <translation>&amp;Eintragen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>quintix::TScoreReportForm</name>
    <message>
        <source>Quintix Score Sheet</source>
        <translation>Quintix-Punkteblatt</translation>
    </message>
    <message>
        <source>Player:</source>
        <translation>Name:</translation>
    </message>
</context>
<context>
    <name>quintix::TSeriesFile</name>
    <message>
        <source>The series kept from the last time cannot be continued (%1). It was moved to %2.</source>
        <translation>Die beim letzten Mal aufbewahrte Serie kann nicht fortgesetzt werden (%1). Sie wurde nach %2 verschoben.</translation>
    </message>
    <message>
        <source>The series kept from the last time cannot be continued (%1).</source>
        <translation>Die beim letzten Mal aufbewahrte Serie kann nicht fortgesetzt werden (%1).</translation>
    </message>
</context>
<context>
    <name>quintix::TSeriesKeeper</name>
    <message>
        <source>The series could not be kept in %1: %2</source>
        <translation>Die Serie konnte nicht in %1 aufbewahrt werden: %2</translation>
    </message>
    <message>
        <source>Continue the series you left on %1?</source>
        <translation>Die am %1 verlassene Serie fortsetzen?</translation>
    </message>
    <message>
        <source>Continue Series</source>
        <translation>Serie fortsetzen</translation>
    </message>
</context>
<context>
    <name>quintix::TStatisticsForm</name>
    <message>
        <source>Ended</source>
        <translation>Beendet</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Grand total</source>
        <translation>Endsumme</translation>
    </message>
    <message>
        <source>Upper bonus</source>
        <translation>Bonus oben</translation>
    </message>
    <message>
        <source>Quintix bonus</source>
        <translation>Quintix-Bonus</translation>
    </message>
    <message>
        <source>Played as</source>
        <translation>Gespielt als</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>&amp;Player:</source>
        <translation>&amp;Spieler:</translation>
    </message>
    <message>
        <source>P&amp;eriod:</source>
        <translation>&amp;Zeitraum:</translation>
    </message>
    <message>
        <source>All games</source>
        <translation>Alle Spiele</translation>
    </message>
    <message>
        <source>The last %1 games</source>
        <translation>Die letzten %1 Spiele</translation>
    </message>
    <message>
        <source>This year</source>
        <translation>Dieses Jahr</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Gespielte Spiele</translation>
    </message>
    <message>
        <source>Mean grand total</source>
        <translation>Mittlere Endsumme</translation>
    </message>
    <message>
        <source>Best grand total</source>
        <translation>Beste Endsumme</translation>
    </message>
    <message>
        <source>Worst grand total</source>
        <translation>Schlechteste Endsumme</translation>
    </message>
    <message>
        <source>Upper bonus rate</source>
        <translation>Anteil mit Bonus oben</translation>
    </message>
    <message>
        <source>Quintix rate</source>
        <translation>Anteil mit Quintix</translation>
    </message>
    <message>
        <source>Points given away per game</source>
        <translation>Verschenkte Punkte je Spiel</translation>
    </message>
    <message>
        <source>The expert computer&apos;s figures come from %1 simulated games; it is expected to score %2 a game, the most any player can expect.</source>
        <translation>Die Zahlen des Experten stammen aus %1 simulierten Spielen; er erreicht im Mittel %2 Punkte je Spiel, mehr kann kein Spieler erwarten.</translation>
    </message>
    <message>
        <source>grand total</source>
        <translation>Endsumme</translation>
    </message>
    <message>
        <source>games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Grand totals</source>
        <translation>Endsummen</translation>
    </message>
    <message>
        <source>game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>mean of the last %1</source>
        <translation>Mittel der letzten %1</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>&amp;Figures</source>
        <translation>&amp;Kennzahlen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>&amp;High scores</source>
        <translation>&amp;Bestenliste</translation>
    </message>
    <message>
        <source>&amp;Review...</source>
        <translation>&amp;Durchsehen...</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xportieren...</translation>
    </message>
    <message>
        <source>&amp;Games</source>
        <translation>Spi&amp;ele</translation>
    </message>
    <message>
        <source>F&amp;orget...</source>
        <translation>&amp;Vergessen...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Export games</source>
        <translation>Spiele exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>No history is kept, so there is nothing to show.</source>
        <translation>Es wird kein Verlauf geführt, daher gibt es nichts zu zeigen.</translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <translation>Der Verlauf lässt sich nicht lesen: %1</translation>
    </message>
    <message>
        <source>No games are stored yet. Every finished game will show here.</source>
        <translation>Noch sind keine Spiele gespeichert. Jedes beendete Spiel erscheint hier.</translation>
    </message>
    <message>
        <source>Expert computer</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>No games in this period.</source>
        <translation>Keine Spiele in diesem Zeitraum.</translation>
    </message>
    <message>
        <source>Best series: %1, %2 in %3 games (%4 a game), ended %5.</source>
        <translation>Beste Serie: %1, %2 in %3 Spielen (%4 je Spiel), beendet %5.</translation>
    </message>
    <message>
        <source>Best series: no series of two or more games has been finished yet.</source>
        <translation>Beste Serie: Noch ist keine Serie aus zwei oder mehr Spielen beendet.</translation>
    </message>
    <message>
        <source>preparing...</source>
        <translation>wird vorbereitet...</translation>
    </message>
    <message>
        <source>working out...</source>
        <translation>wird berechnet...</translation>
    </message>
    <message>
        <source>(damaged games: %1)</source>
        <translation>(beschädigte Spiele: %1)</translation>
    </message>
    <message>
        <source>The games could not be saved to %1: %2</source>
        <translation>Die Spiele ließen sich nicht in %1 speichern: %2</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>Vergessen</translation>
    </message>
    <message>
        <source>Delete every stored game of %1? The other players&apos; games stay. This cannot be undone.</source>
        <translation>Alle gespeicherten Spiele von %1 löschen? Die Spiele der anderen Spieler bleiben. Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>%1 could not be forgotten: %2</source>
        <translation>%1 ließ sich nicht vergessen: %2</translation>
    </message>
</context>
<context>
    <name>quintix::TSummaryForm</name>
    <message>
        <source>Series Summary</source>
        <translation>Serienübersicht</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Game Total</source>
        <translation>Spielsumme</translation>
    </message>
    <message>
        <source>Bonus Total</source>
        <translation>Quintix-Bonus</translation>
    </message>
    <message>
        <source>Grand Total</source>
        <translation>Endsumme</translation>
    </message>
    <message>
        <source>Standings</source>
        <translation>Stand der Serie</translation>
    </message>
</context>
</TS>
