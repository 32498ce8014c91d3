<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Core</name>
    <message>
        <source>The number of outcomes is too large to count in 32-bit integers</source>
        <translation>El número de resultados es demasiado grande para contarlo con enteros de 32 bits</translation>
    </message>
    <message>
        <source>The factorial of a number above 12 does not fit in 32-bit integers</source>
        <translation>El factorial de un número mayor que 12 no cabe en un entero de 32 bits</translation>
    </message>
    <message>
        <source>Number of groups must be 1 to 5</source>
        <translation>El número de grupos debe estar entre 1 y 5</translation>
    </message>
    <message>
        <source>Number of dice rolled must not be negative</source>
        <translation>El número de dados tirados no puede ser negativo</translation>
    </message>
    <message>
        <source>Dice needed by a group must not be negative</source>
        <translation>El número de dados que necesita un grupo no puede ser negativo</translation>
    </message>
    <message>
        <source>Too many dice in combination</source>
        <translation>Demasiados dados en la combinación</translation>
    </message>
    <message>
        <source>At most 12 dice can be counted</source>
        <translation>No se pueden contar más de 12 dados</translation>
    </message>
    <message>
        <source>Series Summary</source>
        <translation>Resumen de la serie</translation>
    </message>
    <message>
        <source>Initial Order</source>
        <translation>Orden inicial</translation>
    </message>
    <message>
        <source>Aces</source>
        <translation>Unos</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Doses</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Treses</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Cuatros</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Cincos</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Seises</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bono</translation>
    </message>
    <message>
        <source>Upper Total</source>
        <translation>Total superior</translation>
    </message>
    <message>
        <source>3 Of A Kind</source>
        <translation>Trío</translation>
    </message>
    <message>
        <source>4 Of A Kind</source>
        <translation>Póquer</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Escalera corta</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>Escalera larga</translation>
    </message>
    <message>
        <source>Quintix</source>
        <translation>Quintix</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Azar</translation>
    </message>
    <message>
        <source>Lower Total</source>
        <translation>Total inferior</translation>
    </message>
    <message>
        <source>Game Total</source>
        <translation>Total partida</translation>
    </message>
    <message>
        <source>Quintix Bonus</source>
        <translation>Bono Quintix</translation>
    </message>
    <message>
        <source>Grand Total</source>
        <translation>Total general</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>There are no pages to print.</source>
        <translation>No hay páginas que imprimir.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be opened.</source>
        <translation>No se pudo abrir la impresora «%1».</translation>
    </message>
    <message>
        <source>Printing failed: the printer &quot;%1&quot; reported an error.</source>
        <translation>Error de impresión: la impresora «%1» ha informado de un error.</translation>
    </message>
    <message>
        <source>There are no pages to save.</source>
        <translation>No hay páginas que guardar.</translation>
    </message>
    <message>
        <source>the pages could not be made into a PDF</source>
        <translation>no se pudo hacer un PDF con las páginas</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; could not be written: %2.</source>
        <translation>No se pudo escribir el archivo PDF «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>quintix::TChancesPanel</name>
    <message>
        <source>Chance to win</source>
        <translation>Probabilidad de ganar</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>This game</source>
        <translation>Esta partida</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Waiting for the table of expected totals.</source>
        <translation>A la espera de la tabla de totales esperados.</translation>
    </message>
    <message>
        <source>Simulating the rest of the series...</source>
        <translation>Simulando el resto de la serie…</translation>
    </message>
    <message>
        <source>From %1 simulations; each within about %2 points.</source>
        <translation>Según %1 simulaciones; margen de unos %2 puntos en cada valor.</translation>
    </message>
</context>
<context>
    <name>quintix::TCoachForm</name>
    <message>
        <source>Score %1</source>
        <translation>Anotar en %1</translation>
    </message>
    <message>
        <source>Keep %1, roll one die</source>
        <translation>Guardar %1, tirar un dado</translation>
    </message>
    <message>
        <source>Keep %1, roll two dice</source>
        <translation>Guardar %1, tirar dos dados</translation>
    </message>
    <message>
        <source>Keep %1, roll three dice</source>
        <translation>Guardar %1, tirar tres dados</translation>
    </message>
    <message>
        <source>Keep %1, roll four dice</source>
        <translation>Guardar %1, tirar cuatro dados</translation>
    </message>
    <message>
        <source>Roll all five dice again</source>
        <translation>Volver a tirar los cinco dados</translation>
    </message>
    <message>
        <source>Coach</source>
        <translation>Entrenador</translation>
    </message>
    <message>
        <source>Preparing the coach: %p%</source>
        <translation>Preparando el entrenador: %p&#xa0;%</translation>
    </message>
    <message>
        <source>Choice</source>
        <translation>Opción</translation>
    </message>
    <message>
        <source>Expected total</source>
        <translation>Total esperado</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordenador</translation>
    </message>
    <message>
        <source>Points given away this game</source>
        <translation>Puntos regalados en esta partida</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Start a new game, and the coach will help.</source>
        <translation>Empiece una serie nueva y el entrenador le ayudará.</translation>
    </message>
    <message>
        <source>%1 rolls for the order of play; there is nothing to choose.</source>
        <translation>%1 tira para decidir el orden de juego; no hay nada que elegir.</translation>
    </message>
    <message>
        <source>%1 is on turn. With the best play from here the game is expected to reach %2. The choices show after each roll.</source>
        <translation>Le toca a %1. Jugando lo mejor posible desde aquí, se espera que la partida llegue a %2. Las opciones aparecen tras cada tirada.</translation>
    </message>
    <message>
        <source>%1 is on turn. The choices show after each roll.</source>
        <translation>Le toca a %1. Las opciones aparecen tras cada tirada.</translation>
    </message>
    <message>
        <source>%1 has rolled. The choices show once the coach is ready.</source>
        <translation>%1 ha tirado. Las opciones aparecerán en cuanto el entrenador esté listo.</translation>
    </message>
    <message>
        <source>%1, after roll %2 of 3. Grand total so far: %3.</source>
        <translation>%1, tras la tirada %2 de 3. Total general hasta ahora: %3.</translation>
    </message>
    <message>
        <source>The series is over.</source>
        <translation>La serie ha terminado.</translation>
    </message>
    <message>
        <source>Best: roll the framed dice again.</source>
        <translation>Lo mejor: volver a tirar los dados enmarcados.</translation>
    </message>
    <message>
        <source>Best: %1.</source>
        <translation>Lo mejor: %1.</translation>
    </message>
    <message>
        <source>%1: %2 – valued once the coach is ready.</source>
        <translation>%1: %2 – se valorará en cuanto el entrenador esté listo.</translation>
    </message>
    <message>
        <source>%1: %2 – the best choice.</source>
        <translation>%1: %2 – la mejor opción.</translation>
    </message>
    <message>
        <source>%1: %2 – gave away %3 points.</source>
        <translation>%1: %2 – regaló %3 puntos.</translation>
    </message>
    <message>
        <source>&amp;Review game</source>
        <translation>&amp;Analizar la partida</translation>
    </message>
</context>
<context>
    <name>quintix::TDiePanel</name>
    <message>
        <source>no value</source>
        <translation>sin valor</translation>
    </message>
    <message>
        <source>one</source>
        <translation>uno</translation>
    </message>
    <message>
        <source>two</source>
        <translation>dos</translation>
    </message>
    <message>
        <source>three</source>
        <translation>tres</translation>
    </message>
    <message>
        <source>four</source>
        <translation>cuatro</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinco</translation>
    </message>
    <message>
        <source>six</source>
        <translation>seis</translation>
    </message>
    <message>
        <source>Die %1: %2, marked to roll again</source>
        <translation>Dado %1: %2, marcado para volver a tirar</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <translation>Dado %1: %2</translation>
    </message>
</context>
<context>
    <name>quintix::THelpSystem</name>
    <message>
        <source>&amp;What&apos;s This?</source>
        <translation>¿&amp;Qué es esto?</translation>
    </message>
</context>
<context>
    <name>quintix::THelpWindow</name>
    <message>
        <source>&amp;Contents</source>
        <translation>Í&amp;ndice</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>Quintix Help</source>
        <translation>Ayuda de Quintix</translation>
    </message>
</context>
<context>
    <name>quintix::THistoryTexts</name>
    <message>
        <source>person</source>
        <translation>persona</translation>
    </message>
    <message>
        <source>computer</source>
        <translation>ordenador</translation>
    </message>
    <message>
        <source>expert computer</source>
        <translation>ordenador experto</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
</context>
<context>
    <name>quintix::TNewGameForm</name>
    <message>
        <source>Start New Game</source>
        <translation>Nueva serie</translation>
    </message>
    <message>
        <source>Player &amp;%1</source>
        <translation>Jugador &amp;%1</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordenador</translation>
    </message>
    <message>
        <source>&amp;Quick computer turns</source>
        <translation>Turnos &amp;rápidos del ordenador</translation>
    </message>
    <message>
        <source>&amp;Number Of Games</source>
        <translation>N.º de &amp;partidas</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Expert play</source>
        <translation>&amp;Experto</translation>
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
        <translation>Página</translation>
    </message>
    <message>
        <source>Fit To Width</source>
        <translation>Ancho total</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>&amp;Anterior</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Save P&amp;DF...</source>
        <translation>Guardar &amp;PDF…</translation>
    </message>
    <message>
        <source>Save PDF</source>
        <translation>Exportación a PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>Print Preview - %1   Page %2 of %3</source>
        <translation>Vista previa de impresión – %1   Página %2 de %3</translation>
    </message>
    <message>
        <source>Quintix Score Sheet</source>
        <translation>Hoja de puntuación de Quintix</translation>
    </message>
    <message>
        <source>No printer is available. Use Save PDF to keep the score sheets.</source>
        <translation>No hay ninguna impresora disponible. Con «Guardar PDF…» puede guardar las hojas de puntuación en un archivo PDF.</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Guardado en %1</translation>
    </message>
</context>
<context>
    <name>quintix::TProbTestForm</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» no es un número entero válido</translation>
    </message>
    <message>
        <source>ProbTestForm</source>
        <translation>Prueba de probabilidades</translation>
    </message>
    <message>
        <source>Rolled</source>
        <translation>Tirados</translation>
    </message>
    <message>
        <source>NoOfGroups</source>
        <translation>Grupos</translation>
    </message>
    <message>
        <source>RandomInclusive</source>
        <translation>Aleatorio incluido</translation>
    </message>
    <message>
        <source>Needed</source>
        <translation>Necesarios</translation>
    </message>
    <message>
        <source>PossibleValues</source>
        <translation>Valores posibles</translation>
    </message>
    <message>
        <source>Probability</source>
        <comment>the caption before the result</comment>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Probability</source>
        <translation>Probabilidad</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
</context>
<context>
    <name>quintix::TQuintixApplication</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Se ha producido un error inesperado.</translation>
    </message>
    <message>
        <source>The history of games could not be kept: %1</source>
        <translation>No se pudo guardar el historial de partidas: %1</translation>
    </message>
</context>
<context>
    <name>quintix::TQuintixForm</name>
    <message>
        <source>just scored</source>
        <translation>recién anotado</translation>
    </message>
    <message>
        <source>possible value</source>
        <translation>valor posible</translation>
    </message>
    <message>
        <source>Pl&amp;ayer:</source>
        <translation>&amp;Hoja:</translation>
    </message>
    <message>
        <source>Roll:</source>
        <translation>Tiro:</translation>
    </message>
    <message>
        <source>Game %1</source>
        <translation>Partida %1</translation>
    </message>
    <message>
        <source>Upper section</source>
        <translation>Sección superior</translation>
    </message>
    <message>
        <source>Lower section</source>
        <translation>Sección inferior</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totales</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nueva</translation>
    </message>
    <message>
        <source>&amp;Roll Dice</source>
        <translation>&amp;Tirar</translation>
    </message>
    <message>
        <source>&amp;Score</source>
        <translation>&amp;Anotar</translation>
    </message>
    <message>
        <source>&amp;Possibilities</source>
        <translation>&amp;Valores</translation>
    </message>
    <message>
        <source>S&amp;eries</source>
        <translation>&amp;Serie</translation>
    </message>
    <message>
        <source>Prin&amp;t</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>&amp;Coach</source>
        <translation>&amp;Entrenador</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmación</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>¿Seguro que quiere salir de Quintix?</translation>
    </message>
    <message>
        <source>It&apos;s your turn to roll for order</source>
        <translation>Tire para el orden de juego</translation>
    </message>
    <message>
        <source>It&apos;s your turn</source>
        <translation>Es su turno</translation>
    </message>
    <message>
        <source>It&apos;s %1&apos;s turn to roll for order</source>
        <translation>%1 tira para el orden de juego</translation>
    </message>
    <message>
        <source>It&apos;s %1&apos;s turn</source>
        <translation>Le toca a %1</translation>
    </message>
    <message>
        <source>The winner is %1</source>
        <translation>Ha ganado %1</translation>
    </message>
    <message>
        <source>Preparing expert play...</source>
        <translation>Preparando al experto…</translation>
    </message>
    <message>
        <source>Stat&amp;istics</source>
        <translation>Estadísti&amp;ca</translation>
    </message>
</context>
<context>
    <name>quintix::TReviewForm</name>
    <message>
        <source>Score %1</source>
        <translation>Anotar en %1</translation>
    </message>
    <message>
        <source>Roll all five again</source>
        <translation>Volver a tirar los cinco</translation>
    </message>
    <message>
        <source>Keep %1</source>
        <translation>Guardar %1</translation>
    </message>
    <message>
        <source>Game Review</source>
        <translation>Análisis de la partida</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Turno</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Tirada</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dados</translation>
    </message>
    <message>
        <source>Decision</source>
        <translation>Decisión</translation>
    </message>
    <message>
        <source>Best choice</source>
        <translation>Mejor opción</translation>
    </message>
    <message>
        <source>Expected total</source>
        <translation>Total esperado</translation>
    </message>
    <message>
        <source>Given away</source>
        <translation>Regalados</translation>
    </message>
    <message>
        <source>Costliest</source>
        <translation>Peores errores</translation>
    </message>
    <message>
        <source>&amp;Previous costly</source>
        <translation>Error &amp;anterior</translation>
    </message>
    <message>
        <source>&amp;Next costly</source>
        <translation>Error &amp;siguiente</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>%1&apos;s game is not in the history, so it cannot be reviewed.</source>
        <translation>La partida de %1 no está en el historial, así que no se puede analizar.</translation>
    </message>
    <message>
        <source>Preparing the review of %1&apos;s game: the table of expected totals is being worked out.</source>
        <translation>Preparando el análisis de la partida de %1: se está calculando la tabla de totales esperados.</translation>
    </message>
    <message>
        <source>%1&apos;s game of %2 cannot be reviewed: its stored decisions are damaged.</source>
        <translation>La partida de %1 del %2 no se puede analizar: sus decisiones guardadas están dañadas.</translation>
    </message>
    <message>
        <source>%1, game %2, %3: grand total %4. Points given away: %5.</source>
        <translation>%1, partida %2, %3: total general %4. Puntos regalados: %5.</translation>
    </message>
    <message>
        <source>Turn %1, roll %2: %3, leading to %4. Best: %5, leading to %6. Given away: %7.</source>
        <translation>Turno %1, tirada %2: %3, que lleva a %4. Lo mejor: %5, que lleva a %6. Puntos regalados: %7.</translation>
    </message>
</context>
<context>
    <name>quintix::TScoreForm</name>
    <message>
        <source>Score</source>
        <translation>Anotación</translation>
    </message>
    <message>
        <source>Scoring &amp;Line</source>
        <translation>&amp;Líneas libres</translation>
    </message>
    <message>
        <source>&amp;Score</source>
        <translation>&amp;Anotar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>quintix::TScoreReportForm</name>
    <message>
        <source>Quintix Score Sheet</source>
        <translation>Hoja de puntuación de Quintix</translation>
    </message>
    <message>
        <source>Player:</source>
        <translation>Jugador:</translation>
    </message>
</context>
<context>
    <name>quintix::TSeriesFile</name>
    <message>
        <source>The series kept from the last time cannot be continued (%1). It was moved to %2.</source>
        <translation>La serie conservada la última vez no se puede continuar (%1). Se ha movido a %2.</translation>
    </message>
    <message>
        <source>The series kept from the last time cannot be continued (%1).</source>
        <translation>La serie conservada la última vez no se puede continuar (%1).</translation>
    </message>
</context>
<context>
    <name>quintix::TSeriesKeeper</name>
    <message>
        <source>The series could not be kept in %1: %2</source>
        <translation>No se pudo conservar la serie en %1: %2</translation>
    </message>
    <message>
        <source>Continue the series you left on %1?</source>
        <translation>¿Continuar la serie que dejó el %1?</translation>
    </message>
    <message>
        <source>Continue Series</source>
        <translation>Continuar la serie</translation>
    </message>
</context>
<context>
    <name>quintix::TStatisticsForm</name>
    <message>
        <source>Ended</source>
        <translation>Terminada</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>Grand total</source>
        <translation>Total general</translation>
    </message>
    <message>
        <source>Upper bonus</source>
        <translation>Bono superior</translation>
    </message>
    <message>
        <source>Quintix bonus</source>
        <translation>Bono Quintix</translation>
    </message>
    <message>
        <source>Played as</source>
        <translation>Jugado por</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>&amp;Player:</source>
        <translation>&amp;Jugador:</translation>
    </message>
    <message>
        <source>P&amp;eriod:</source>
        <translation>Pe&amp;ríodo:</translation>
    </message>
    <message>
        <source>All games</source>
        <translation>Todas las partidas</translation>
    </message>
    <message>
        <source>The last %1 games</source>
        <translation>Las últimas %1 partidas</translation>
    </message>
    <message>
        <source>This year</source>
        <translation>Este año</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Partidas jugadas</translation>
    </message>
    <message>
        <source>Mean grand total</source>
        <translation>Total general medio</translation>
    </message>
    <message>
        <source>Best grand total</source>
        <translation>Mejor total general</translation>
    </message>
    <message>
        <source>Worst grand total</source>
        <translation>Peor total general</translation>
    </message>
    <message>
        <source>Upper bonus rate</source>
        <translation>Partidas con bono superior</translation>
    </message>
    <message>
        <source>Quintix rate</source>
        <translation>Partidas con Quintix</translation>
    </message>
    <message>
        <source>Points given away per game</source>
        <translation>Puntos regalados por partida</translation>
    </message>
    <message>
        <source>The expert computer&apos;s figures come from %1 simulated games; it is expected to score %2 a game, the most any player can expect.</source>
        <translation>Las cifras del ordenador experto salen de %1 partidas simuladas; cabe esperar que haga %2 puntos por partida, lo máximo que puede esperar un jugador.</translation>
    </message>
    <message>
        <source>grand total</source>
        <translation>total general</translation>
    </message>
    <message>
        <source>games</source>
        <translation>partidas</translation>
    </message>
    <message>
        <source>Grand totals</source>
        <translation>Totales generales</translation>
    </message>
    <message>
        <source>game</source>
        <translation>partida</translation>
    </message>
    <message>
        <source>mean of the last %1</source>
        <translation>media de las últimas %1</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Estado de forma</translation>
    </message>
    <message>
        <source>&amp;Figures</source>
        <translation>Ci&amp;fras</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>&amp;High scores</source>
        <translation>&amp;Mejores puntuaciones</translation>
    </message>
    <message>
        <source>&amp;Review...</source>
        <translation>&amp;Analizar…</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xportar…</translation>
    </message>
    <message>
        <source>&amp;Games</source>
        <translation>&amp;Partidas</translation>
    </message>
    <message>
        <source>F&amp;orget...</source>
        <translation>&amp;Olvidar…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Export games</source>
        <translation>Exportar partidas</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>No history is kept, so there is nothing to show.</source>
        <translation>No se guarda ningún historial, así que no hay nada que mostrar.</translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <translation>No se puede leer el historial: %1</translation>
    </message>
    <message>
        <source>No games are stored yet. Every finished game will show here.</source>
        <translation>Todavía no hay partidas guardadas. Cada partida terminada aparecerá aquí.</translation>
    </message>
    <message>
        <source>Expert computer</source>
        <translation>Ordenador experto</translation>
    </message>
    <message>
        <source>No games in this period.</source>
        <translation>No hay partidas en este período.</translation>
    </message>
    <message>
        <source>Best series: %1, %2 in %3 games (%4 a game), ended %5.</source>
        <translation>Mejor serie: %1, %2 puntos en %3 partidas (%4 por partida), terminada el %5.</translation>
    </message>
    <message>
        <source>Best series: no series of two or more games has been finished yet.</source>
        <translation>Mejor serie: todavía no ha terminado ninguna serie de dos o más partidas.</translation>
    </message>
    <message>
        <source>preparing...</source>
        <translation>preparando…</translation>
    </message>
    <message>
        <source>working out...</source>
        <translation>calculando…</translation>
    </message>
    <message>
        <source>(damaged games: %1)</source>
        <translation>(partidas dañadas: %1)</translation>
    </message>
    <message>
        <source>The games could not be saved to %1: %2</source>
        <translation>No se pudieron guardar las partidas en %1: %2</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>Olvidar</translation>
    </message>
    <message>
        <source>Delete every stored game of %1? The other players&apos; games stay. This cannot be undone.</source>
        <translation>¿Borrar todas las partidas guardadas de %1? Las de los demás jugadores se conservan. Esto no se puede deshacer.</translation>
    </message>
    <message>
        <source>%1 could not be forgotten: %2</source>
        <translation>No se pudo olvidar a %1: %2</translation>
    </message>
</context>
<context>
    <name>quintix::TSummaryForm</name>
    <message>
        <source>Series Summary</source>
        <translation>Resumen de la serie</translation>
    </message>
    <message>
        <source>Standings</source>
        <translation>Clasificación de la serie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Game Total</source>
        <translation>Total partida</translation>
    </message>
    <message>
        <source>Bonus Total</source>
        <translation>Bono Quintix</translation>
    </message>
    <message>
        <source>Grand Total</source>
        <translation>Total general</translation>
    </message>
</context>
</TS>
