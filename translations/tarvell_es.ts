<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>BoardReading</name>
    <message>
        <source>Water</source>
        <translation>Agua</translation>
    </message>
    <message>
        <source>Lowland</source>
        <translation>Tierra baja</translation>
    </message>
    <message>
        <source>Grassland</source>
        <translation>Pradera</translation>
    </message>
    <message>
        <source>Hills</source>
        <translation>Colinas</translation>
    </message>
    <message>
        <source>High hills</source>
        <translation>Colinas altas</translation>
    </message>
    <message>
        <source>Impassable ground</source>
        <translation>Terreno infranqueable</translation>
    </message>
    <message>
        <source>Site on grassland</source>
        <translation>Yacimiento en pradera</translation>
    </message>
    <message>
        <source>Site on hills</source>
        <translation>Yacimiento en colinas</translation>
    </message>
    <message>
        <source>(%1,%2) %3</source>
        <translation>(%1,%2) %3</translation>
    </message>
    <message>
        <source>income %1</source>
        <translation>ingresos %1</translation>
    </message>
    <message>
        <source>defence %1</source>
        <translation>defensa %1</translation>
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
        <translation>Tu valor %1 · victoria por encima de %2 (%3 × los %4 de Caos) · derrota por debajo de %5</translation>
    </message>
    <message>
        <source>Your worth is your money plus your units at their full price. At the end of a turn you win when it is above the victory line and lose when it is below the defeat line. During a turn, income, your losses, and Chaos&apos;s losses and loot move both sides.</source>
        <translation>Tu valor es tu dinero más tus unidades por su precio completo. Al final de un turno ganas si está por encima de la línea de victoria y pierdes si está por debajo de la línea de derrota. Durante un turno, los ingresos, tus pérdidas y las pérdidas y el botín de Caos mueven a los dos bandos.</translation>
    </message>
</context>
<context>
    <name>CAboutDialog</name>
    <message>
        <source>About Tarvell</source>
        <translation>Acerca de Tarvell</translation>
    </message>
    <message>
        <source>Tarvell Version %1</source>
        <translation>Tarvell versión %1</translation>
    </message>
    <message>
        <source>Defend your land.</source>
        <translation>Defiende tu tierra.</translation>
    </message>
    <message>
        <source>Chaos learns as you play.</source>
        <translation>Caos aprende mientras juegas.</translation>
    </message>
    <message>
        <source>Built on Qt 6.</source>
        <translation>Hecho con Qt 6.</translation>
    </message>
</context>
<context>
    <name>CChaosWindow</name>
    <message>
        <source>Record: %1 won, %2 lost (%3 won)</source>
        <translation>Balance: victorias %1, derrotas %2 (proporción %3)</translation>
    </message>
    <message>
        <source>Order by score</source>
        <translation>Ordenar por puntuación</translation>
    </message>
    <message>
        <source>Tarvell - Chaos</source>
        <translation>Tarvell - Caos</translation>
    </message>
    <message>
        <source>Each bar is one of Chaos&apos;s 250 strategies: how much better your side did than Chaos when the strategy was replayed against your positions (low is good for Chaos). Chaos plays the strategy whose score lies nearest the target; the target is 0, an even match, while you win at most half your games, and moves towards the lowest score the more you win.</source>
        <translation>Cada barra es una de las 250 estrategias de Caos: cuánto mejor le fue a tu bando que a Caos cuando la estrategia se volvió a jugar contra tus posiciones (un valor bajo es bueno para Caos). Caos juega la estrategia cuya puntuación está más cerca del objetivo; el objetivo es 0, una partida igualada, mientras ganes como mucho la mitad de tus partidas, y se acerca a la puntuación más baja cuanto más ganas.</translation>
    </message>
    <message>
        <source>Simulation: Chaos is replaying your last position under its 250 strategies...</source>
        <translation>Simulación: Caos vuelve a jugar tu última posición con sus 250 estrategias...</translation>
    </message>
    <message>
        <source>Simulation: none running; the scores are up to date.</source>
        <translation>Simulación: ninguna en curso; las puntuaciones están al día.</translation>
    </message>
    <message>
        <source>%1   Profile: %2</source>
        <translation>%1   Perfil: %2</translation>
    </message>
    <message>
        <source>Strategy in play: %1 (score %2)</source>
        <translation>Estrategia en juego: %1 (puntuación %2)</translation>
    </message>
    <message>
        <source>Strategy in play: none yet</source>
        <translation>Estrategia en juego: ninguna todavía</translation>
    </message>
    <message>
        <source>Target the record sets now: %1 (nearest: strategy %2)</source>
        <translation>Objetivo que marca ahora tu balance: %1 (la más cercana: estrategia %2)</translation>
    </message>
    <message>
        <source>Mode in play: Classic (Chaos&apos;s purse is the same for every player)</source>
        <translation>Modo en juego: Clásico (la bolsa de Caos es la misma para todos los jugadores)</translation>
    </message>
    <message>
        <source>Mode in play: Adaptive: Chaos&apos;s starting money and income ×%1, from your record of %2 won, %3 lost</source>
        <translation>Modo en juego: Adaptativo: dinero inicial e ingresos de Caos ×%1, según tu balance (victorias %2, derrotas %3)</translation>
    </message>
    <message>
        <source>Mode in play: Adaptive: Chaos&apos;s starting money and income ×%1; your record of %2 won, %3 lost sets ×%4 for the next game</source>
        <translation>Modo en juego: Adaptativo: dinero inicial e ingresos de Caos ×%1; tu balance (victorias %2, derrotas %3) fija ×%4 para la próxima partida</translation>
    </message>
    <message>
        <source>From the next new game: Adaptive</source>
        <translation>Desde la próxima partida nueva: Adaptativo</translation>
    </message>
    <message>
        <source>From the next new game: Classic</source>
        <translation>Desde la próxima partida nueva: Clásico</translation>
    </message>
</context>
<context>
    <name>CHowToPlayWindow</name>
    <message>
        <source>How to Play Tarvell</source>
        <translation>Cómo jugar a Tarvell</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>CAP</source>
        <translation>MAYÚS</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NÚM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>DESPL</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>Create a new game
New Game</source>
        <translation>Crea una partida nueva
Nueva partida</translation>
    </message>
    <message>
        <source>&amp;New User...</source>
        <translation>Nuevo &amp;usuario...</translation>
    </message>
    <message>
        <source>Creates a new user profile
New User</source>
        <translation>Crea un perfil de usuario nuevo
Nuevo usuario</translation>
    </message>
    <message>
        <source>&amp;Select User...</source>
        <translation>&amp;Elegir usuario...</translation>
    </message>
    <message>
        <source>Selects another user&apos;s profile
Select User</source>
        <translation>Elige el perfil de otro usuario
Elegir usuario</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Archivo reciente</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Quit the game
Exit</source>
        <translation>Sale del juego
Salir</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Barra de estado</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Muestra u oculta la barra de estado
Barra de estado</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Show the Options Dialog
Show Options Dialog</source>
        <translation>Muestra el cuadro de diálogo Opciones
Opciones</translation>
    </message>
    <message>
        <source>&amp;Chaos...</source>
        <translation>&amp;Caos...</translation>
    </message>
    <message>
        <source>Show what Chaos has learned about you
Chaos</source>
        <translation>Muestra lo que Caos ha aprendido de ti
Caos</translation>
    </message>
    <message>
        <source>Zoom &amp;100 %</source>
        <translation>Zoom al &amp;100 %</translation>
    </message>
    <message>
        <source>Show the board at its own size
Zoom 100 %</source>
        <translation>Muestra el tablero a su tamaño real
Zoom al 100 %</translation>
    </message>
    <message>
        <source>Zoom 1&amp;50 %</source>
        <translation>Zoom al 1&amp;50 %</translation>
    </message>
    <message>
        <source>Show the board half as large again
Zoom 150 %</source>
        <translation>Muestra el tablero a vez y media su tamaño
Zoom al 150 %</translation>
    </message>
    <message>
        <source>Zoom &amp;200 %</source>
        <translation>Zoom al &amp;200 %</translation>
    </message>
    <message>
        <source>Show the board at twice its size
Zoom 200 %</source>
        <translation>Muestra el tablero al doble de su tamaño
Zoom al 200 %</translation>
    </message>
    <message>
        <source>&amp;About Tarvell...</source>
        <translation>&amp;Acerca de Tarvell...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Muestra información del programa, el número de versión y el copyright
Acerca de</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Cómo jugar</translation>
    </message>
    <message>
        <source>Explain the goal, the units, the barbarians and a turn
How to Play</source>
        <translation>Explica el objetivo, las unidades, los bárbaros y un turno
Cómo jugar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Abre este documento</translation>
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
        <translation>Listo</translation>
    </message>
    <message>
        <source>&amp;Terrain Overlay</source>
        <translation>Capa de &amp;terreno</translation>
    </message>
    <message>
        <source>Write each square&apos;s income and defence bonus on the board
Terrain Overlay</source>
        <translation>Escribe en el tablero la bonificación de ingresos y de defensa de cada casilla
Capa de terreno</translation>
    </message>
    <message>
        <source>Turn &amp;Report</source>
        <translation>&amp;Informe del turno</translation>
    </message>
    <message>
        <source>Show or hide the report of the last turn
Turn Report</source>
        <translation>Muestra u oculta el informe del último turno
Informe del turno</translation>
    </message>
</context>
<context>
    <name>CNewUserDialog</name>
    <message>
        <source>New User</source>
        <translation>Nuevo usuario</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Nombre de usuario:</translation>
    </message>
</context>
<context>
    <name>COptionsDialog</name>
    <message>
        <source>&amp;Adaptive</source>
        <translation>&amp;Adaptativo</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Slowest</source>
        <translation>Más lento</translation>
    </message>
    <message>
        <source>Fastest</source>
        <translation>Más rápido</translation>
    </message>
    <message>
        <source>Game Speed:</source>
        <translation>Velocidad del juego:</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Clásico</translation>
    </message>
    <message>
        <source>Chaos:</source>
        <translation>Caos:</translation>
    </message>
    <message>
        <source>A change of Chaos&apos;s mode applies from the next new game.</source>
        <translation>Un cambio del modo de Caos se aplica desde la próxima partida nueva.</translation>
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
        <translation>estrategias, primero la puntuación más baja (la mejor para Caos)</translation>
    </message>
    <message>
        <source>strategies 0 to 249</source>
        <translation>estrategias de la 0 a la 249</translation>
    </message>
    <message>
        <source>strategy %1 in play</source>
        <translation>estrategia %1 en juego</translation>
    </message>
    <message>
        <source>target %1</source>
        <translation>objetivo %1</translation>
    </message>
    <message>
        <source>Strategy %1: score %2 (in play)</source>
        <translation>Estrategia %1: puntuación %2 (en juego)</translation>
    </message>
    <message>
        <source>Strategy %1: score %2</source>
        <translation>Estrategia %1: puntuación %2</translation>
    </message>
</context>
<context>
    <name>CTarvellDoc</name>
    <message>
        <source>Your game could not be kept in %1 (%2). It goes on.</source>
        <translation>No se pudo guardar tu partida en %1 (%2). La partida continúa.</translation>
    </message>
    <message>
        <source>Your kept game %1 cannot be read (%2). A new game starts.</source>
        <translation>No se puede leer tu partida guardada %1 (%2). Empieza una partida nueva.</translation>
    </message>
    <message>
        <source>Your kept game %1 cannot be read (%2); it was set aside as %3. A new game starts.</source>
        <translation>No se puede leer tu partida guardada %1 (%2); se ha apartado como %3. Empieza una partida nueva.</translation>
    </message>
    <message>
        <source>Tarvell User (*.tvu)</source>
        <translation>Usuario de Tarvell (*.tvu)</translation>
    </message>
    <message>
        <source>Your record could not be saved to %1 (%2). The games since its last save are not in it.</source>
        <translation>No se pudo guardar tu balance en %1 (%2). Le faltan las partidas jugadas desde que se guardó por última vez.</translation>
    </message>
    <message>
        <source>Your record could not be saved to %1 (%2). The game will try again at the next save.</source>
        <translation>No se pudo guardar tu balance en %1 (%2). El juego lo volverá a intentar en el próximo guardado.</translation>
    </message>
    <message>
        <source>Cannot open %1: only Tarvell profiles (*.tvu) can be opened.</source>
        <translation>No se puede abrir %1: solo se pueden abrir perfiles de Tarvell (*.tvu).</translation>
    </message>
    <message>
        <source>%1 is in use by another Tarvell (process %2).</source>
        <translation>%1 está en uso por otro Tarvell (proceso %2).</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>No se puede abrir %1: %2.</translation>
    </message>
</context>
<context>
    <name>CTarvellView</name>
    <message>
        <source>Scout</source>
        <translation>Explorador</translation>
    </message>
    <message>
        <source>(0-1-0)</source>
        <translation>(0-1-0)</translation>
    </message>
    <message>
        <source>Scavenger</source>
        <translation>Carroñero</translation>
    </message>
    <message>
        <source>(0-1-2)</source>
        <translation>(0-1-2)</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Común</translation>
    </message>
    <message>
        <source>(6-3-0)</source>
        <translation>(6-3-0)</translation>
    </message>
    <message>
        <source>Amphibious</source>
        <translation>Anfibio</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Móvil</translation>
    </message>
    <message>
        <source>(5-3-0)</source>
        <translation>(5-3-0)</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation>Saltador</translation>
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
        <translation>(K) 0-10-0)</translation>
    </message>
    <message>
        <source>Armored</source>
        <translation>Acorazado</translation>
    </message>
    <message>
        <source>(15-10-0)</source>
        <translation>(15-10-0)</translation>
    </message>
    <message>
        <source>Treasury</source>
        <translation>Tesoro</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Turno</translation>
    </message>
    <message>
        <source>End Setup</source>
        <translation>Fin del despliegue</translation>
    </message>
    <message>
        <source>Ends your setup: Chaos plays one turn (F9). Asks first when more than $1000 would be left unspent.</source>
        <translation>Termina tu despliegue: Caos juega un turno (F9). Antes pregunta si quedarían más de $1000 sin gastar.</translation>
    </message>
    <message>
        <source>Your Record</source>
        <translation>Tu balance</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
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
        <translation>Informe del turno</translation>
    </message>
    <message>
        <source>No turn has been shown yet.</source>
        <translation>Todavía no se ha mostrado ningún turno.</translation>
    </message>
    <message>
        <source>Turn %1</source>
        <translation>Turno %1</translation>
    </message>
    <message>
        <source>Income earned: %1</source>
        <translation>Ingresos obtenidos: %1</translation>
    </message>
    <message>
        <source>Sold to make room: %1 at (%2,%3) for %4</source>
        <translation>Vendido para hacer sitio: %1 en (%2,%3) por %4</translation>
    </message>
    <message>
        <source>Units lost: %1</source>
        <translation>Unidades perdidas: %1</translation>
    </message>
    <message>
        <source>Pick a lost unit to outline its square on the board.</source>
        <translation>Elige una unidad perdida para marcar su casilla en el tablero.</translation>
    </message>
    <message>
        <source>%1 at (%2,%3), phase %4</source>
        <translation>%1 en (%2,%3), fase %4</translation>
    </message>
    <message>
        <source>Barbarians bought: %1 for %2</source>
        <translation>Bárbaros comprados: %1 por %2</translation>
    </message>
    <message>
        <source>Barbarians destroyed: %1</source>
        <translation>Bárbaros destruidos: %1</translation>
    </message>
    <message>
        <source>Barbarians gone home: %1, with %2 of loot</source>
        <translation>Bárbaros vueltos a casa: %1, con %2 de botín</translation>
    </message>
    <message>
        <source>Chaos&apos;s gain: %1</source>
        <translation>Ganancia de Caos: %1</translation>
    </message>
    <message>
        <source>The loot and prices of the barbarians gone home, less what Chaos spent on barbarians. Chaos&apos;s income for the next turn comes on top.</source>
        <translation>El botín y el precio de los bárbaros que han vuelto a casa, menos lo que Caos ha gastado en bárbaros. Los ingresos de Caos para el turno siguiente se suman aparte.</translation>
    </message>
    <message>
        <source>Destruction reports: %1</source>
        <translation>Informes de destrucción: %1</translation>
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
        <translation>Abandonar esta partida cuenta como una derrota. ¿Estás seguro?</translation>
    </message>
    <message>
        <source>Continue your game from turn %1?</source>
        <translation>¿Continuar tu partida desde el turno %1?</translation>
    </message>
    <message>
        <source>Choose another user, or play without saving your record.</source>
        <translation>Elige otro usuario o juega sin guardar tu balance.</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>¿Estás seguro?</translation>
    </message>
    <message>
        <source>This user model already exists. Do you want to overwrite it?</source>
        <translation>Este perfil de usuario ya existe. ¿Quieres sobrescribirlo?</translation>
    </message>
    <message>
        <source>Chaos has surrended. Congratulations, your forces are victorious!</source>
        <translation>Caos se ha rendido. ¡Enhorabuena, tus fuerzas han vencido!</translation>
    </message>
    <message>
        <source>Your forces have been vanquished. Chaos is victorious.</source>
        <translation>Tus fuerzas han sido derrotadas. Caos ha vencido.</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;NO</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>&amp;Keep for later</source>
        <translation>&amp;Guardar para luego</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>&amp;New User...</source>
        <translation>&amp;Nuevo usuario...</translation>
    </message>
    <message>
        <source>&amp;Select User...</source>
        <translation>&amp;Elegir usuario...</translation>
    </message>
    <message>
        <source>&amp;Play Without Saving</source>
        <translation>&amp;Jugar sin guardar</translation>
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
        <translation>%1 es una carpeta</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 no es un archivo normal</translation>
    </message>
    <message>
        <source>%1 is larger than %2 bytes</source>
        <translation>%1 ocupa más de %2 bytes</translation>
    </message>
    <message>
        <source>The game&apos;s settings cannot be read (%1). It starts with its defaults and remembers no settings this time.</source>
        <translation>No se puede leer la configuración del juego (%1). Arranca con los valores predeterminados y esta vez no guardará ninguna configuración.</translation>
    </message>
</context>
<context>
    <name>UnitTexts</name>
    <message>
        <source>Drone</source>
        <translation>Dron</translation>
    </message>
    <message>
        <source>Mine</source>
        <translation>Mina</translation>
    </message>
    <message>
        <source>Farmer</source>
        <translation>Granjero</translation>
    </message>
    <message>
        <source>Infantry</source>
        <translation>Infantería</translation>
    </message>
    <message>
        <source>Settler</source>
        <translation>Colono</translation>
    </message>
    <message>
        <source>Armor</source>
        <translation>Blindado</translation>
    </message>
    <message>
        <source>Jammer</source>
        <translation>Inhibidor</translation>
    </message>
    <message>
        <source>Artillery</source>
        <translation>Artillería</translation>
    </message>
    <message>
        <source>a Drone</source>
        <translation>un Dron</translation>
    </message>
    <message>
        <source>a Mine</source>
        <translation>una Mina</translation>
    </message>
    <message>
        <source>a Farmer</source>
        <translation>un Granjero</translation>
    </message>
    <message>
        <source>an Infantry</source>
        <translation>una Infantería</translation>
    </message>
    <message>
        <source>a Settler</source>
        <translation>un Colono</translation>
    </message>
    <message>
        <source>an Armor</source>
        <translation>un Blindado</translation>
    </message>
    <message>
        <source>a Jammer</source>
        <translation>un Inhibidor</translation>
    </message>
    <message>
        <source>an Artillery</source>
        <translation>una Artillería</translation>
    </message>
    <message>
        <source>Cheap income.</source>
        <translation>Ingresos baratos.</translation>
    </message>
    <message>
        <source>The best income, but no defence to speak of.</source>
        <translation>Los mejores ingresos, pero casi sin defensa.</translation>
    </message>
    <message>
        <source>A sturdy defender.</source>
        <translation>Un defensor sólido.</translation>
    </message>
    <message>
        <source>Income and some defence.</source>
        <translation>Ingresos y algo de defensa.</translation>
    </message>
    <message>
        <source>The strongest defender.</source>
        <translation>El defensor más fuerte.</translation>
    </message>
    <message>
        <source>Jams every square within 4: barbarians there learn nothing from their Scouts.</source>
        <translation>Inhibe cada casilla en un radio de 4: los bárbaros que están en ellas no obtienen información de sus Exploradores.</translation>
    </message>
    <message>
        <source>Scout</source>
        <translation>Explorador</translation>
    </message>
    <message>
        <source>Scavenger</source>
        <translation>Carroñero</translation>
    </message>
    <message>
        <source>Common Barbarian</source>
        <translation>Bárbaro común</translation>
    </message>
    <message>
        <source>Amphibious Barbarian</source>
        <translation>Bárbaro anfibio</translation>
    </message>
    <message>
        <source>Mobile Barbarian</source>
        <translation>Bárbaro móvil</translation>
    </message>
    <message>
        <source>Jump Barbarian</source>
        <translation>Bárbaro saltador</translation>
    </message>
    <message>
        <source>Kamikazee Barbarian</source>
        <translation>Bárbaro kamikaze</translation>
    </message>
    <message>
        <source>Armored Barbarian</source>
        <translation>Bárbaro acorazado</translation>
    </message>
    <message>
        <source>Fights nobody; sees Mines, Artillery cover and jammed ground, and shows fighting barbarians where it stands.</source>
        <translation>No combate; ve las Minas, el alcance de la Artillería y el terreno inhibido, y muestra a los bárbaros combatientes dónde está.</translation>
    </message>
    <message>
        <source>Fights nobody; roams towards rich land and sites and plunders $2 plus the land&apos;s richness each time.</source>
        <translation>No combate; vaga hacia tierras ricas y yacimientos y cada vez saquea $2 más la riqueza de la tierra.</translation>
    </message>
    <message>
        <source>Attacks the unit ahead.</source>
        <translation>Ataca a la unidad de delante.</translation>
    </message>
    <message>
        <source>Attacks the unit ahead; walks on water and may arrive on it.</source>
        <translation>Ataca a la unidad de delante; camina sobre el agua y puede aparecer en ella.</translation>
    </message>
    <message>
        <source>Attacks the unit ahead; acts twice a phase and senses Scouts further away.</source>
        <translation>Ataca a la unidad de delante; actúa dos veces por fase y detecta Exploradores más lejanos.</translation>
    </message>
    <message>
        <source>Attacks the unit ahead; jumps over what blocks it and may strike the unit behind.</source>
        <translation>Ataca a la unidad de delante; salta por encima de lo que le cierra el paso y puede golpear a la unidad de detrás.</translation>
    </message>
    <message>
        <source>Acts twice a phase; destroys the unit ahead, Mines excepted, and itself with it.</source>
        <translation>Actúa dos veces por fase; destruye la unidad de delante, salvo las Minas, y se destruye con ella.</translation>
    </message>
    <message>
        <source>Attacks the unit ahead; clears Mines without harm.</source>
        <translation>Ataca a la unidad de delante; despeja las Minas sin sufrir daño.</translation>
    </message>
    <message>
        <source>$%1</source>
        <translation>$%1</translation>
    </message>
    <message>
        <source>Price %1; sells for %2.</source>
        <translation>Precio %1; se vende por %2.</translation>
    </message>
    <message>
        <source>no income</source>
        <translation>sin ingresos</translation>
    </message>
    <message>
        <source>income %1 a turn, more on rich land</source>
        <translation>ingresos de %1 por turno, más en tierra rica</translation>
    </message>
    <message>
        <source>No game in progress: start a new game with File &gt; New Game.</source>
        <translation>No hay ninguna partida en curso: empieza una con Archivo &gt; Nueva partida.</translation>
    </message>
    <message>
        <source>%1: never attacked. A barbarian stepping on it must survive an attack of strength 10 (the Armored Barbarian clears it unharmed). %2</source>
        <translation>%1: nunca es atacada. Un bárbaro que la pisa debe sobrevivir a un ataque de fuerza 10 (el Bárbaro acorazado la despeja sin sufrir daño). %2</translation>
    </message>
    <message>
        <source>%1: attack %2, defence %3, %4.</source>
        <translation>%1: ataque %2, defensa %3, %4.</translation>
    </message>
    <message>
        <source>Fires at every barbarian within 2 squares each phase: at strength 10 or 5 on its outer ring, 5 close by.</source>
        <translation>Dispara en cada fase a todos los bárbaros a 2 casillas o menos: con fuerza 10 o 5 en su anillo exterior, 5 de cerca.</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>%1: attack %2, defence %3. %4 Chaos pays %5 for one and gets it back if it survives the turn.</source>
        <translation>%1: ataque %2, defensa %3. %4 Caos paga %5 por cada uno y lo recupera si sobrevive al turno.</translation>
    </message>
    <message>
        <source>Your money: buy units with it between turns.</source>
        <translation>Tu dinero: con él compras unidades entre turnos.</translation>
    </message>
    <message>
        <source>Turns played. While a turn runs, its phase (0 to 49) follows in parentheses.</source>
        <translation>Turnos jugados. Durante un turno, su fase (0 a 49) aparece a continuación entre paréntesis.</translation>
    </message>
    <message>
        <source>Games won and lost with this profile, and the share won.</source>
        <translation>Partidas ganadas y perdidas con este perfil, y la proporción de ganadas.</translation>
    </message>
    <message>
        <source>Water: nothing can be built here.</source>
        <translation>Agua: aquí no se puede construir nada.</translation>
    </message>
    <message>
        <source>Impassable ground: nothing can be built here.</source>
        <translation>Terreno infranqueable: aquí no se puede construir nada.</translation>
    </message>
    <message>
        <source>Occupied: %1 already stands here.</source>
        <translation>Casilla ocupada: aquí ya hay %1.</translation>
    </message>
    <message>
        <source>Nothing of yours to sell here.</source>
        <translation>Aquí no hay nada tuyo que vender.</translation>
    </message>
    <message>
        <source>Not enough money: %1 costs %2.</source>
        <translation>Dinero insuficiente: %1 cuesta %2.</translation>
    </message>
    <message>
        <source>%1 destroyed at (%2,%3).</source>
        <translation>Unidad destruida en (%2,%3): %1.</translation>
    </message>
    <message>
        <source>Turn %1, Phase %2: %3</source>
        <translation>Turno %1, fase %2: %3</translation>
    </message>
</context>
</TS>
