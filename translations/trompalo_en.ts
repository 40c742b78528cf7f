<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>Accessible</name>
    <message>
        <source>vacío</source>
        <extracomment>What a screen reader says of an empty box</extracomment>
        <translation>empty</translation>
    </message>
</context>
<context>
    <name>GameTexts</name>
    <message>
        <source>Nivel de entrenamiento: %1</source>
        <translation>Training stage: %1</translation>
    </message>
    <message>
        <source>Debes golpearlos según vayan saliendo.</source>
        <translation>Hit them as they come out.</translation>
    </message>
    <message>
        <source>Solo puedes golpear al héroe de la estrella.</source>
        <translation>Hit only the hero with the star.</translation>
    </message>
    <message>
        <source>Debes darle al que aparece en el recuadro.</source>
        <translation>Hit the one shown in the box.</translation>
    </message>
    <message>
        <source>Tienes 3 fallos.</source>
        <translation>You have 3 misses.</translation>
    </message>
    <message>
        <source>Ronda: %1</source>
        <translation>Round: %1</translation>
    </message>
    <message>
        <source>Jugador %1</source>
        <translation>Player %1</translation>
    </message>
    <message>
        <source>Final de partida. El ganador ha sido el jugador: %1</source>
        <translation>Game over. The winner is player: %1</translation>
    </message>
    <message>
        <source>Final de partida. Han empatado los jugadores: %1</source>
        <extracomment>%1 is the list of tied players, as &quot;1,2,3.&quot;</extracomment>
        <translation>Game over. A tie between players: %1</translation>
    </message>
    <message>
        <source>Has completado con éxito el entrenamiento!!.</source>
        <translation>You have completed the training!!</translation>
    </message>
    <message>
        <source>Nivel no superado. Quieres probar de nuevo?</source>
        <translation>Stage not passed. Do you want to try again?</translation>
    </message>
    <message>
        <source>Agujero %1: vacío</source>
        <extracomment>A hole of the field with nothing in it, for a screen reader</extracomment>
        <translation>Hole %1: empty</translation>
    </message>
    <message>
        <source>Agujero %1: %2</source>
        <extracomment>A hole and the character in it, for a screen reader</extracomment>
        <translation>Hole %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%nFallo(s).</source>
        <extracomment>The training&apos;s misses line: the number of misses before the words, in the plural forms of the language</extracomment>
        <translation>
            <numerusform>%n miss.</numerusform>
            <numerusform>%n misses.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>Español</source>
        <extracomment>The name of the language of this translation, in that language</extracomment>
        <translation>English</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Héroe de la estrella</source>
        <translation>Hero with the star</translation>
    </message>
    <message>
        <source>Forzudo de piel de roca</source>
        <translation>Rock-skinned strongman</translation>
    </message>
    <message>
        <source>Gigante verde</source>
        <translation>Green giant</translation>
    </message>
    <message>
        <source>Héroe del casco azul</source>
        <translation>Hero in the blue helmet</translation>
    </message>
    <message>
        <source>Hombre en llamas</source>
        <translation>Man on fire</translation>
    </message>
    <message>
        <source>Héroe de la armadura roja y dorada</source>
        <translation>Hero in red and gold armour</translation>
    </message>
    <message>
        <source>Héroe del casco con alas</source>
        <translation>Hero in the winged helmet</translation>
    </message>
    <message>
        <source>Héroe de las orejas puntiagudas</source>
        <translation>Hero with the pointed ears</translation>
    </message>
    <message>
        <source>Heroína de la tiara</source>
        <translation>Heroine with the tiara</translation>
    </message>
    <message>
        <source>Narizotas del puño</source>
        <translation>Big Nose with his fist</translation>
    </message>
    <message>
        <source>Narizotas del puño, enfadado</source>
        <translation>Big Nose with his fist, angry</translation>
    </message>
    <message>
        <source>Chaval de los cascos</source>
        <translation>Boy with the headphones</translation>
    </message>
    <message>
        <source>Señal de STOP</source>
        <translation>STOP sign</translation>
    </message>
    <message>
        <source>Reloj de arena</source>
        <translation>Hourglass</translation>
    </message>
    <message>
        <source>Héroe de pie</source>
        <translation>The hero standing</translation>
    </message>
    <message>
        <source>Héroe preparando el golpe</source>
        <translation>The hero winding up</translation>
    </message>
    <message>
        <source>Héroe golpeando</source>
        <translation>The hero striking</translation>
    </message>
    <message>
        <source>La señora del rodillo castiga al héroe</source>
        <translation>The lady with the rolling pin beats the hero</translation>
    </message>
    <message>
        <source>¡Paff!</source>
        <translation>Paff!</translation>
    </message>
    <message>
        <source>Raya</source>
        <translation>Stroke</translation>
    </message>
    <message>
        <source>Cruz</source>
        <translation>Cross</translation>
    </message>
    <message>
        <source>Aro</source>
        <translation>Ring</translation>
    </message>
    <message>
        <source>Puño de los golpes que quedan</source>
        <translation>Fist of the hits left</translation>
    </message>
    <message>
        <source>Icono de Trompalo</source>
        <translation>Trompalo&apos;s icon</translation>
    </message>
    <message>
        <source>Logotipo de Quorvane</source>
        <translation>Quorvane&apos;s logo</translation>
    </message>
</context>
<context>
    <name>trompalo::Form1</name>
    <message>
        <source>Juego</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>Nuevo</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Apoyos</source>
        <translation>Guides</translation>
    </message>
    <message>
        <source>Puntos</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Sonido</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Ayuda</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Instrucciones</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>Acerca de...</source>
        <extracomment>The menu item that opens the About window</extracomment>
        <translation>About...</translation>
    </message>
    <message>
        <source>Jug %1:</source>
        <extracomment>The head of a player&apos;s score box</extracomment>
        <translation>P%1:</translation>
    </message>
    <message>
        <source>Parcial:</source>
        <extracomment>The head of the box of the points of the turn in play</extracomment>
        <translation>Turn:</translation>
    </message>
    <message>
        <source>1 Fallo(s).</source>
        <translation>1 miss(es).</translation>
    </message>
    <message>
        <source>Pausa</source>
        <extracomment>The menu item that pauses a turn in play, and takes it on again
----------
Over the field while the game is paused</extracomment>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Salir</source>
        <extracomment>The menu item that closes the game</extracomment>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Puntos del jugador %1</source>
        <extracomment>What a score box tells, for a screen reader</extracomment>
        <translation>Player %1&apos;s points</translation>
    </message>
    <message>
        <source>Puntos de la jugada</source>
        <translation>Points of the turn</translation>
    </message>
    <message>
        <source>Golpes que quedan</source>
        <translation>Hits left</translation>
    </message>
    <message>
        <source>Segundos que quedan</source>
        <translation>Seconds left</translation>
    </message>
    <message>
        <source>Fallos</source>
        <translation>Misses</translation>
    </message>
    <message>
        <source>Recuadro del personaje al que dar</source>
        <translation>Box of the character to hit</translation>
    </message>
    <message>
        <source>Pulsa P para seguir.</source>
        <translation>Press P to go on.</translation>
    </message>
</context>
<context>
    <name>trompalo::Form2</name>
    <message>
        <source>Opciones</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Elige el juego:</source>
        <translation>Choose the game:</translation>
    </message>
    <message>
        <source>Entrenamiento.</source>
        <translation>Training.</translation>
    </message>
    <message>
        <source>Guillotina.</source>
        <translation>Guillotine.</translation>
    </message>
    <message>
        <source>3 en raya.</source>
        <translation>Tic-tac-toe.</translation>
    </message>
    <message>
        <source>325.</source>
        <translation>325.</translation>
    </message>
    <message>
        <source>Escalera.</source>
        <translation>Ladder.</translation>
    </message>
    <message>
        <source>Golpes/Tiempo:</source>
        <translation>Hits/Time:</translation>
    </message>
    <message>
        <source>Jugar a golpes:</source>
        <translation>Play by hits:</translation>
    </message>
    <message>
        <source>Jugar a tiempo:</source>
        <translation>Play by time:</translation>
    </message>
    <message>
        <source>%1 golpes.</source>
        <translation>%1 hits.</translation>
    </message>
    <message>
        <source>%1 seg.</source>
        <translation>%1 sec.</translation>
    </message>
    <message>
        <source>Jugadores:</source>
        <translation>Players:</translation>
    </message>
    <message>
        <source>Ganador:</source>
        <translation>Winner:</translation>
    </message>
    <message>
        <source>Final de juego.</source>
        <translation>End of game.</translation>
    </message>
    <message>
        <source>A puntos.</source>
        <translation>By points.</translation>
    </message>
    <message>
        <source>Nivel:</source>
        <translation>Level:</translation>
    </message>
    <message>
        <source>Alto.</source>
        <translation>High.</translation>
    </message>
    <message>
        <source>Medio.</source>
        <translation>Normal.</translation>
    </message>
    <message>
        <source>Bajo.</source>
        <translation>Low.</translation>
    </message>
    <message>
        <source>Adelante</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>trompalo::Form3</name>
    <message>
        <source>Puntos</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>%1 Puntos.</source>
        <translation>%1 Points.</translation>
    </message>
    <message>
        <source>-15 Puntos y ronda de petacas.</source>
        <extracomment>What the boy with the headphones costs: his points and the slaps the hero gets</extracomment>
        <translation>-15 Points and a round of slaps.</translation>
    </message>
</context>
<context>
    <name>trompalo::FormQuorvane</name>
    <message>
        <source>Creado por Quorvane</source>
        <translation>Made by Quorvane</translation>
    </message>
    <message>
        <source>Email: </source>
        <translation>Email: </translation>
    </message>
    <message>
        <source>Web:</source>
        <translation>Web:</translation>
    </message>
    <message>
        <source>[click para cerrar]</source>
        <translation>[click to close]</translation>
    </message>
</context>
<context>
    <name>trompalo::LanguageMenu</name>
    <message>
        <source>Idioma</source>
        <extracomment>The menu of the languages, each named in its own</extracomment>
        <translation>Language</translation>
    </message>
</context>
<context>
    <name>trompalo::WindowSize</name>
    <message>
        <source>Tamaño</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A size of the game window, as a percentage of its own</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Pantalla completa</source>
        <translation>Full screen</translation>
    </message>
</context>
</TS>
