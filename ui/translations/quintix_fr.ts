<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Core</name>
    <message>
        <source>The number of outcomes is too large to count in 32-bit integers</source>
        <translation>Le nombre de résultats est trop grand pour être compté en entiers de 32 bits</translation>
    </message>
    <message>
        <source>The factorial of a number above 12 does not fit in 32-bit integers</source>
        <translation>La factorielle d’un nombre supérieur à 12 ne tient pas dans un entier de 32 bits</translation>
    </message>
    <message>
        <source>Number of groups must be 1 to 5</source>
        <translation>Le nombre de groupes doit être compris entre 1 et 5</translation>
    </message>
    <message>
        <source>Number of dice rolled must not be negative</source>
        <translation>Le nombre de dés lancés ne peut pas être négatif</translation>
    </message>
    <message>
        <source>Dice needed by a group must not be negative</source>
        <translation>Le nombre de dés nécessaires à un groupe ne peut pas être négatif</translation>
    </message>
    <message>
        <source>Too many dice in combination</source>
        <translation>Trop de dés dans la combinaison</translation>
    </message>
    <message>
        <source>At most 12 dice can be counted</source>
        <translation>On ne peut pas compter plus de 12 dés</translation>
    </message>
    <message>
        <source>Series Summary</source>
        <translation>Bilan de la série</translation>
    </message>
    <message>
        <source>Initial Order</source>
        <translation>Ordre de départ</translation>
    </message>
    <message>
        <source>Aces</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Deux</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Trois</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Quatre</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Cinq</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Six</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Upper Total</source>
        <translation>Total haut</translation>
    </message>
    <message>
        <source>3 Of A Kind</source>
        <translation>Brelan</translation>
    </message>
    <message>
        <source>4 Of A Kind</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Petite suite</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>Grande suite</translation>
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
        <translation>Total bas</translation>
    </message>
    <message>
        <source>Game Total</source>
        <translation>Total partie</translation>
    </message>
    <message>
        <source>Quintix Bonus</source>
        <translation>Bonus Quintix</translation>
    </message>
    <message>
        <source>Grand Total</source>
        <translation>Total général</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>There are no pages to print.</source>
        <translation>Il n’y a aucune page à imprimer.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be opened.</source>
        <translation>Impossible d’ouvrir l’imprimante «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Printing failed: the printer &quot;%1&quot; reported an error.</source>
        <translation>Échec de l’impression&#xa0;: l’imprimante «&#xa0;%1&#xa0;» a signalé une erreur.</translation>
    </message>
    <message>
        <source>There are no pages to save.</source>
        <translation>Il n’y a aucune page à enregistrer.</translation>
    </message>
    <message>
        <source>the pages could not be made into a PDF</source>
        <translation>impossible de faire un PDF de ces pages</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; could not be written: %2.</source>
        <translation>Impossible d’écrire le fichier PDF «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>quintix::TChancesPanel</name>
    <message>
        <source>Chance to win</source>
        <translation>Chances de gagner</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>This game</source>
        <translation>Cette partie</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Série</translation>
    </message>
    <message>
        <source>Waiting for the table of expected totals.</source>
        <translation>En attente de la table des totaux attendus.</translation>
    </message>
    <message>
        <source>Simulating the rest of the series...</source>
        <translation>Simulation de la fin de la série…</translation>
    </message>
    <message>
        <source>From %1 simulations; each within about %2 points.</source>
        <translation>Sur %1 simulations&#xa0;; chaque valeur à environ %2&#xa0;points près.</translation>
    </message>
</context>
<context>
    <name>quintix::TCoachForm</name>
    <message>
        <source>Score %1</source>
        <translation>Marquer %1</translation>
    </message>
    <message>
        <source>Keep %1, roll one die</source>
        <translation>Garder %1, relancer un dé</translation>
    </message>
    <message>
        <source>Keep %1, roll two dice</source>
        <translation>Garder %1, relancer deux dés</translation>
    </message>
    <message>
        <source>Keep %1, roll three dice</source>
        <translation>Garder %1, relancer trois dés</translation>
    </message>
    <message>
        <source>Keep %1, roll four dice</source>
        <translation>Garder %1, relancer quatre dés</translation>
    </message>
    <message>
        <source>Roll all five dice again</source>
        <translation>Relancer les cinq dés</translation>
    </message>
    <message>
        <source>Coach</source>
        <translation>Entraîneur</translation>
    </message>
    <message>
        <source>Preparing the coach: %p%</source>
        <translation>Préparation de l’entraîneur&#xa0;: %p&#xa0;%</translation>
    </message>
    <message>
        <source>Choice</source>
        <translation>Choix</translation>
    </message>
    <message>
        <source>Expected total</source>
        <translation>Total attendu</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Points given away this game</source>
        <translation>Points perdus dans cette partie</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Start a new game, and the coach will help.</source>
        <translation>Commencez une nouvelle série, et l’entraîneur vous aidera.</translation>
    </message>
    <message>
        <source>%1 rolls for the order of play; there is nothing to choose.</source>
        <translation>%1 lance les dés pour l’ordre de jeu&#xa0;; il n’y a rien à choisir.</translation>
    </message>
    <message>
        <source>%1 is on turn. With the best play from here the game is expected to reach %2. The choices show after each roll.</source>
        <translation>C’est au tour de %1. En jouant au mieux à partir d’ici, la partie devrait atteindre %2. Les choix s’affichent après chaque lancer.</translation>
    </message>
    <message>
        <source>%1 is on turn. The choices show after each roll.</source>
        <translation>C’est au tour de %1. Les choix s’affichent après chaque lancer.</translation>
    </message>
    <message>
        <source>%1 has rolled. The choices show once the coach is ready.</source>
        <translation>%1 a lancé les dés. Les choix s’afficheront dès que l’entraîneur sera prêt.</translation>
    </message>
    <message>
        <source>%1, after roll %2 of 3. Grand total so far: %3.</source>
        <translation>%1, après le lancer %2 sur 3. Total général jusqu’ici&#xa0;: %3.</translation>
    </message>
    <message>
        <source>The series is over.</source>
        <translation>La série est terminée.</translation>
    </message>
    <message>
        <source>Best: roll the framed dice again.</source>
        <translation>Le mieux&#xa0;: relancer les dés encadrés.</translation>
    </message>
    <message>
        <source>Best: %1.</source>
        <translation>Le mieux&#xa0;: %1.</translation>
    </message>
    <message>
        <source>%1: %2 – valued once the coach is ready.</source>
        <translation>%1&#xa0;: %2 – sera évalué dès que l’entraîneur sera prêt.</translation>
    </message>
    <message>
        <source>%1: %2 – the best choice.</source>
        <translation>%1&#xa0;: %2 – le meilleur choix.</translation>
    </message>
    <message>
        <source>%1: %2 – gave away %3 points.</source>
        <translation>%1&#xa0;: %2 – %3&#xa0;points perdus.</translation>
    </message>
    <message>
        <source>&amp;Review game</source>
        <translation>&amp;Analyser la partie</translation>
    </message>
</context>
<context>
    <name>quintix::TDiePanel</name>
    <message>
        <source>no value</source>
        <translation>sans valeur</translation>
    </message>
    <message>
        <source>one</source>
        <translation>un</translation>
    </message>
    <message>
        <source>two</source>
        <translation>deux</translation>
    </message>
    <message>
        <source>three</source>
        <translation>trois</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quatre</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinq</translation>
    </message>
    <message>
        <source>six</source>
        <translation>six</translation>
    </message>
    <message>
        <source>Die %1: %2, marked to roll again</source>
        <translation>Dé %1&#xa0;: %2, marqué pour être relancé</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <translation>Dé %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>quintix::THelpSystem</name>
    <message>
        <source>&amp;What&apos;s This?</source>
        <translation>&amp;Qu’est-ce que c’est&#xa0;?</translation>
    </message>
</context>
<context>
    <name>quintix::THelpWindow</name>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>Quintix Help</source>
        <translation>Aide de Quintix</translation>
    </message>
</context>
<context>
    <name>quintix::THistoryTexts</name>
    <message>
        <source>person</source>
        <translation>humain</translation>
    </message>
    <message>
        <source>computer</source>
        <translation>ordinateur</translation>
    </message>
    <message>
        <source>expert computer</source>
        <translation>ordinateur expert</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
</context>
<context>
    <name>quintix::TNewGameForm</name>
    <message>
        <source>Start New Game</source>
        <translation>Nouvelle série</translation>
    </message>
    <message>
        <source>Player &amp;%1</source>
        <translation>Joueur &amp;%1</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>&amp;Quick computer turns</source>
        <translation>Tours &amp;rapides de l’ordinateur</translation>
    </message>
    <message>
        <source>&amp;Number Of Games</source>
        <translation>&amp;Nombre de parties</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Expert play</source>
        <translation>Jeu &amp;expert</translation>
    </message>
</context>
<context>
    <name>quintix::TPreviewForm</name>
    <message>
        <source>25%</source>
        <translation>25&#xa0;%</translation>
    </message>
    <message>
        <source>50%</source>
        <translation>50&#xa0;%</translation>
    </message>
    <message>
        <source>75%</source>
        <translation>75&#xa0;%</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100&#xa0;%</translation>
    </message>
    <message>
        <source>150%</source>
        <translation>150&#xa0;%</translation>
    </message>
    <message>
        <source>200%</source>
        <translation>200&#xa0;%</translation>
    </message>
    <message>
        <source>Full Page</source>
        <translation>Page entière</translation>
    </message>
    <message>
        <source>Fit To Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>Pré&amp;cédente</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivante</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Save P&amp;DF...</source>
        <translation>Enregistrer en &amp;PDF…</translation>
    </message>
    <message>
        <source>Save PDF</source>
        <translation>Enregistrement en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Print Preview - %1   Page %2 of %3</source>
        <translation>Aperçu avant impression – %1   Page %2 sur %3</translation>
    </message>
    <message>
        <source>Quintix Score Sheet</source>
        <translation>Feuille de marque Quintix</translation>
    </message>
    <message>
        <source>No printer is available. Use Save PDF to keep the score sheets.</source>
        <translation>Aucune imprimante n’est disponible. Avec «&#xa0;Enregistrer en PDF…&#xa0;», les feuilles de marque s’enregistrent dans un fichier PDF.</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Enregistré sous %1</translation>
    </message>
</context>
<context>
    <name>quintix::TProbTestForm</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un nombre entier valide</translation>
    </message>
    <message>
        <source>ProbTestForm</source>
        <translation>Test des probabilités</translation>
    </message>
    <message>
        <source>Rolled</source>
        <translation>Lancés</translation>
    </message>
    <message>
        <source>NoOfGroups</source>
        <translation>Groupes</translation>
    </message>
    <message>
        <source>RandomInclusive</source>
        <translation>Aléatoire inclus</translation>
    </message>
    <message>
        <source>Needed</source>
        <translation>Nécessaires</translation>
    </message>
    <message>
        <source>PossibleValues</source>
        <translation>Valeurs</translation>
    </message>
    <message>
        <source>Probability</source>
        <comment>the caption before the result</comment>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Probability</source>
        <translation>Probabilité</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
</context>
<context>
    <name>quintix::TQuintixApplication</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Une erreur inattendue s’est produite.</translation>
    </message>
    <message>
        <source>The history of games could not be kept: %1</source>
        <translation>L’historique des parties n’a pas pu être enregistré : %1</translation>
    </message>
</context>
<context>
    <name>quintix::TQuintixForm</name>
    <message>
        <source>just scored</source>
        <translation>tout juste marqué</translation>
    </message>
    <message>
        <source>possible value</source>
        <translation>valeur possible</translation>
    </message>
    <message>
        <source>Pl&amp;ayer:</source>
        <translation>N&amp;om&#xa0;:</translation>
    </message>
    <message>
        <source>Roll:</source>
        <translation>Jet&#xa0;:</translation>
    </message>
    <message>
        <source>Game %1</source>
        <translation>Partie %1</translation>
    </message>
    <message>
        <source>Upper section</source>
        <translation>Partie haute</translation>
    </message>
    <message>
        <source>Lower section</source>
        <translation>Partie basse</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totaux</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle</translation>
    </message>
    <message>
        <source>&amp;Roll Dice</source>
        <translation>&amp;Lancer</translation>
    </message>
    <message>
        <source>&amp;Score</source>
        <translation>&amp;Marquer</translation>
    </message>
    <message>
        <source>&amp;Possibilities</source>
        <translation>&amp;Possibilités</translation>
    </message>
    <message>
        <source>S&amp;eries</source>
        <translation>&amp;Série</translation>
    </message>
    <message>
        <source>Prin&amp;t</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Coach</source>
        <translation>&amp;Entraîneur</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Voulez-vous vraiment quitter Quintix&#xa0;?</translation>
    </message>
    <message>
        <source>It&apos;s your turn to roll for order</source>
        <translation>Lancez pour l’ordre de jeu</translation>
    </message>
    <message>
        <source>It&apos;s your turn</source>
        <translation>À vous de jouer</translation>
    </message>
    <message>
        <source>It&apos;s %1&apos;s turn to roll for order</source>
        <translation>%1 lance pour l’ordre de jeu</translation>
    </message>
    <message>
        <source>It&apos;s %1&apos;s turn</source>
        <translation>C’est au tour de %1</translation>
    </message>
    <message>
        <source>The winner is %1</source>
        <translation>Victoire de %1</translation>
    </message>
    <message>
        <source>Preparing expert play...</source>
        <translation>Préparation du jeu expert…</translation>
    </message>
    <message>
        <source>Stat&amp;istics</source>
        <translation>S&amp;tats</translation>
    </message>
</context>
<context>
    <name>quintix::TReviewForm</name>
    <message>
        <source>Score %1</source>
        <translation>Marquer %1</translation>
    </message>
    <message>
        <source>Roll all five again</source>
        <translation>Relancer les cinq</translation>
    </message>
    <message>
        <source>Keep %1</source>
        <translation>Garder %1</translation>
    </message>
    <message>
        <source>Game Review</source>
        <translation>Analyse de la partie</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Tour</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dés</translation>
    </message>
    <message>
        <source>Decision</source>
        <translation>Décision</translation>
    </message>
    <message>
        <source>Best choice</source>
        <translation>Meilleur choix</translation>
    </message>
    <message>
        <source>Expected total</source>
        <translation>Total attendu</translation>
    </message>
    <message>
        <source>Given away</source>
        <translation>Perdus</translation>
    </message>
    <message>
        <source>Costliest</source>
        <translation>Pires erreurs</translation>
    </message>
    <message>
        <source>&amp;Previous costly</source>
        <translation>Erreur &amp;précédente</translation>
    </message>
    <message>
        <source>&amp;Next costly</source>
        <translation>Erreur &amp;suivante</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>%1&apos;s game is not in the history, so it cannot be reviewed.</source>
        <translation>La partie de %1 n’est pas dans l’historique&#xa0;; elle ne peut donc pas être analysée.</translation>
    </message>
    <message>
        <source>Preparing the review of %1&apos;s game: the table of expected totals is being worked out.</source>
        <translation>Préparation de l’analyse de la partie de %1&#xa0;: la table des totaux attendus est en cours de calcul.</translation>
    </message>
    <message>
        <source>%1&apos;s game of %2 cannot be reviewed: its stored decisions are damaged.</source>
        <translation>La partie de %1 du %2 ne peut pas être analysée&#xa0;: ses décisions enregistrées sont endommagées.</translation>
    </message>
    <message>
        <source>%1, game %2, %3: grand total %4. Points given away: %5.</source>
        <translation>%1, partie %2, %3&#xa0;: total général %4. Points perdus&#xa0;: %5.</translation>
    </message>
    <message>
        <source>Turn %1, roll %2: %3, leading to %4. Best: %5, leading to %6. Given away: %7.</source>
        <translation>Tour %1, lancer %2&#xa0;: %3, qui mène à %4. Le mieux&#xa0;: %5, qui mène à %6. Points perdus&#xa0;: %7.</translation>
    </message>
</context>
<context>
    <name>quintix::TScoreForm</name>
    <message>
        <source>Score</source>
        <translation>Choix de la ligne</translation>
    </message>
    <message>
        <source>Scoring &amp;Line</source>
        <translation>&amp;Lignes libres</translation>
    </message>
    <message>
        <source>&amp;Score</source>
        <translation>&amp;Marquer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>quintix::TScoreReportForm</name>
    <message>
        <source>Quintix Score Sheet</source>
        <translation>Feuille de marque Quintix</translation>
    </message>
    <message>
        <source>Player:</source>
        <translation>Joueur&#xa0;:</translation>
    </message>
</context>
<context>
    <name>quintix::TSeriesFile</name>
    <message>
        <source>The series kept from the last time cannot be continued (%1). It was moved to %2.</source>
        <translation>La série conservée la dernière fois ne peut pas être reprise (%1). Elle a été déplacée vers %2.</translation>
    </message>
    <message>
        <source>The series kept from the last time cannot be continued (%1).</source>
        <translation>La série conservée la dernière fois ne peut pas être reprise (%1).</translation>
    </message>
</context>
<context>
    <name>quintix::TSeriesKeeper</name>
    <message>
        <source>The series could not be kept in %1: %2</source>
        <translation>La série n’a pas pu être conservée dans %1 : %2</translation>
    </message>
    <message>
        <source>Continue the series you left on %1?</source>
        <translation>Reprendre la série laissée le %1 ?</translation>
    </message>
    <message>
        <source>Continue Series</source>
        <translation>Reprendre la série</translation>
    </message>
</context>
<context>
    <name>quintix::TStatisticsForm</name>
    <message>
        <source>Ended</source>
        <translation>Terminée</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>Grand total</source>
        <translation>Total général</translation>
    </message>
    <message>
        <source>Upper bonus</source>
        <translation>Bonus haut</translation>
    </message>
    <message>
        <source>Quintix bonus</source>
        <translation>Bonus Quintix</translation>
    </message>
    <message>
        <source>Played as</source>
        <translation>Joué par</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>&amp;Player:</source>
        <translation>&amp;Joueur&#xa0;:</translation>
    </message>
    <message>
        <source>P&amp;eriod:</source>
        <translation>Pé&amp;riode&#xa0;:</translation>
    </message>
    <message>
        <source>All games</source>
        <translation>Toutes les parties</translation>
    </message>
    <message>
        <source>The last %1 games</source>
        <translation>Les %1 dernières parties</translation>
    </message>
    <message>
        <source>This year</source>
        <translation>Cette année</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Parties jouées</translation>
    </message>
    <message>
        <source>Mean grand total</source>
        <translation>Total général moyen</translation>
    </message>
    <message>
        <source>Best grand total</source>
        <translation>Meilleur total général</translation>
    </message>
    <message>
        <source>Worst grand total</source>
        <translation>Pire total général</translation>
    </message>
    <message>
        <source>Upper bonus rate</source>
        <translation>Parties avec bonus haut</translation>
    </message>
    <message>
        <source>Quintix rate</source>
        <translation>Parties avec Quintix</translation>
    </message>
    <message>
        <source>Points given away per game</source>
        <translation>Points perdus par partie</translation>
    </message>
    <message>
        <source>The expert computer&apos;s figures come from %1 simulated games; it is expected to score %2 a game, the most any player can expect.</source>
        <translation>Les chiffres de l’ordinateur expert viennent de %1 parties simulées&#xa0;; il devrait marquer %2&#xa0;points par partie, le maximum qu’un joueur puisse espérer.</translation>
    </message>
    <message>
        <source>grand total</source>
        <translation>total général</translation>
    </message>
    <message>
        <source>games</source>
        <translation>parties</translation>
    </message>
    <message>
        <source>Grand totals</source>
        <translation>Totaux généraux</translation>
    </message>
    <message>
        <source>game</source>
        <translation>partie</translation>
    </message>
    <message>
        <source>mean of the last %1</source>
        <translation>moyenne des %1 dernières</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Forme</translation>
    </message>
    <message>
        <source>&amp;Figures</source>
        <translation>&amp;Chiffres</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>&amp;High scores</source>
        <translation>&amp;Meilleurs scores</translation>
    </message>
    <message>
        <source>&amp;Review...</source>
        <translation>&amp;Analyser…</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xporter…</translation>
    </message>
    <message>
        <source>&amp;Games</source>
        <translation>&amp;Parties</translation>
    </message>
    <message>
        <source>F&amp;orget...</source>
        <translation>&amp;Oublier…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Export games</source>
        <translation>Exporter les parties</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>No history is kept, so there is nothing to show.</source>
        <translation>Aucun historique n’est tenu&#xa0;: il n’y a rien à afficher.</translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <translation>Impossible de lire l’historique&#xa0;: %1</translation>
    </message>
    <message>
        <source>No games are stored yet. Every finished game will show here.</source>
        <translation>Aucune partie n’est encore enregistrée. Chaque partie terminée apparaîtra ici.</translation>
    </message>
    <message>
        <source>Expert computer</source>
        <translation>Ordinateur expert</translation>
    </message>
    <message>
        <source>No games in this period.</source>
        <translation>Aucune partie sur cette période.</translation>
    </message>
    <message>
        <source>Best series: %1, %2 in %3 games (%4 a game), ended %5.</source>
        <translation>Meilleure série&#xa0;: %1, %2&#xa0;points en %3&#xa0;parties (%4 par partie), terminée le %5.</translation>
    </message>
    <message>
        <source>Best series: no series of two or more games has been finished yet.</source>
        <translation>Meilleure série&#xa0;: aucune série de deux parties ou plus n’est encore terminée.</translation>
    </message>
    <message>
        <source>preparing...</source>
        <translation>préparation…</translation>
    </message>
    <message>
        <source>working out...</source>
        <translation>calcul en cours…</translation>
    </message>
    <message>
        <source>(damaged games: %1)</source>
        <translation>(parties endommagées&#xa0;: %1)</translation>
    </message>
    <message>
        <source>The games could not be saved to %1: %2</source>
        <translation>Impossible d’enregistrer les parties dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>Oublier</translation>
    </message>
    <message>
        <source>Delete every stored game of %1? The other players&apos; games stay. This cannot be undone.</source>
        <translation>Supprimer toutes les parties enregistrées de %1&#xa0;? Celles des autres joueurs sont conservées. Cette action est irréversible.</translation>
    </message>
    <message>
        <source>%1 could not be forgotten: %2</source>
        <translation>Impossible d’oublier %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>quintix::TSummaryForm</name>
    <message>
        <source>Series Summary</source>
        <translation>Bilan de la série</translation>
    </message>
    <message>
        <source>Standings</source>
        <translation>Classement de la série</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Game Total</source>
        <translation>Total partie</translation>
    </message>
    <message>
        <source>Bonus Total</source>
        <translation>Bonus Quintix</translation>
    </message>
    <message>
        <source>Grand Total</source>
        <translation>Total général</translation>
    </message>
</context>
</TS>
