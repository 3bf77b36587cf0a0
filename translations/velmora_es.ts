<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CommandLine</name>
    <message>
        <source>Velmora needs a graphical display, and none was found (DISPLAY is not set).</source>
        <translation>Velmora necesita una pantalla gráfica y no se encontró ninguna (DISPLAY no está definida).</translation>
    </message>
    <message>
        <source>Try 'velmora --help'.</source>
        <translation>Pruebe 'velmora --help'.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostrar esta ayuda y salir.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>Mostrar la versión y salir.</translation>
    </message>
    <message>
        <source>Open the main window at once, without the loading window.</source>
        <translation>Abrir la ventana principal enseguida, sin la ventana de carga.</translation>
    </message>
    <message>
        <source>Play chords on the built-in synthesizer with the General MIDI soundfont FILE.</source>
        <translation>Tocar los acordes en el sintetizador integrado con el banco de sonidos General MIDI ARCHIVO.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ARCHIVO</translation>
    </message>
    <message>
        <source>Write the answer key of the worksheets in the answer log LOG (Worksheet.id when no LOG is given) to the PDF --output names, without opening the window.</source>
        <translation>Escribir la clave de respuestas de las hojas de ejercicios del registro de respuestas LOG (Worksheet.id si no se indica LOG) en el PDF que indica --output, sin abrir la ventana.</translation>
    </message>
    <message>
        <source>Write N worksheets (1 to 100) and their answer key as PDFs into the folder --output names, logging them in Worksheet.id, without opening the window.</source>
        <translation>Escribir N hojas de ejercicios (de 1 a 100) y su clave de respuestas como PDF en la carpeta que indica --output, anotándolas en Worksheet.id, sin abrir la ventana.</translation>
    </message>
    <message>
        <source>The PDF or folder to write.</source>
        <translation>El PDF o la carpeta que se escribe.</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>RUTA</translation>
    </message>
    <message>
        <source>Draw the worksheets from seed S, so that the same S gives the same sheets.</source>
        <translation>Sacar las hojas de la semilla S, de modo que la misma S dé las mismas hojas.</translation>
    </message>
    <message>
        <source>Print on SIZE paper: A4 or Letter.</source>
        <translation>Imprimir en papel de tamaño TAMAÑO: A4 o Letter.</translation>
    </message>
    <message>
        <source>SIZE</source>
        <translation>TAMAÑO</translation>
    </message>
    <message>
        <source>Print a summary of the practice history and exit; no display is needed.</source>
        <translation>Mostrar un resumen del historial de práctica y salir; no hace falta pantalla.</translation>
    </message>
    <message>
        <source>Keep the practice history in DIR instead of $VELMORA_DATA_DIR or the user's data folder.</source>
        <translation>Guardar el historial de práctica en CARPETA en lugar de $VELMORA_DATA_DIR o de la carpeta de datos del usuario.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>CARPETA</translation>
    </message>
    <message>
        <source>Show the program in language CODE (en, de, fr, es or nl) instead of the saved or the system's language.</source>
        <translation>Mostrar el programa en el idioma CÓDIGO (en, de, fr, es o nl) en lugar del idioma guardado o el del sistema.</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>CÓDIGO</translation>
    </message>
    <message>
        <source>Name the notes with NAMES: letters (C, F#, Bb), german (C, Fis, B, H) or fixed-do (Do, Fa♯, Si♭).</source>
        <translation>Nombrar las notas con NOMBRES: letters (C, F#, Bb), german (C, Fis, B, H) o fixed-do (Do, Fa♯, Si♭).</translation>
    </message>
    <message>
        <source>NAMES</source>
        <translation>NOMBRES</translation>
    </message>
    <message>
        <source>There is no language '%1'; choose en, de, fr, es or nl.</source>
        <translation>No existe el idioma '%1'; elija en, de, fr, es o nl.</translation>
    </message>
    <message>
        <source>There are no note names '%1'; choose letters, german or fixed-do.</source>
        <translation>No existen los nombres de notas '%1'; elija letters, german o fixed-do.</translation>
    </message>
    <message>
        <source>Usage: velmora [options]</source>
        <translation>Uso: velmora [opciones]</translation>
    </message>
    <message>
        <source>--stats cannot be combined with --answer-key or --worksheets.</source>
        <translation>--stats no se puede combinar con --answer-key ni con --worksheets.</translation>
    </message>
    <message>
        <source>Cannot read the soundfont '%1': %2</source>
        <translation>No se puede leer el banco de sonidos '%1': %2</translation>
    </message>
    <message>
        <source>Spell five-note ninth chords in a star of 17 circles.</source>
        <translation>Escribir las notas de acordes de novena de cinco sonidos en una estrella de 17 círculos.</translation>
    </message>
</context>
</TS>
