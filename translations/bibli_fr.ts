<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Internal Errors (bibli)</name>
    <message>
        <source>%1Internal error in %2</source>
        <comment>Error code is "ERRINTERN"</comment>
        <translation>%1Erreur interne dans %2</translation>
    </message>
    <message>
        <source>%1Internal error in function %2</source>
        <comment>Error code is "ERRINTFCT"</comment>
        <translation>%1Erreur interne dans la fonction %2</translation>
    </message>
    <message>
        <source>Undefined message for code number %1</source>
        <comment>Error code is "NOMESSDEF"</comment>
        <translation>Message non défini pour le code numéro %1</translation>
    </message>
</context>
<context>
    <name>Fatal Errors (bibli)</name>
    <message>
        <source>%1Fatal error %2</source>
        <comment>Error code is "ERRFATALE"</comment>
        <translation>%1Erreur fatale %2</translation>
    </message>
    <message>
        <source>%1Execution aborted %2</source>
        <comment>Error code is "EXE_ABORT"</comment>
        <translation>%1Exécution interrompue %2</translation>
    </message>
    <message>
        <source>%1Cannot write the file %2</source>
        <comment>Error code is "IMPECRFIC"</comment>
        <translation>%1Impossible d'écrire le fichier %2</translation>
    </message>
    <message>
        <source>%1Cannot close the file %2</source>
        <comment>Error code is "IMPFERFIC"</comment>
        <translation>%1Impossible de fermer le fichier %2</translation>
    </message>
    <message>
        <source>%1Cannot open the file %2</source>
        <comment>Error code is "IMPOUVFIC"</comment>
        <translation>%1Impossible d'ouvrir le fichier %2</translation>
    </message>
</context>
<context>
    <name>Warnings (bibli)</name>
    <message>
        <source>%1Not a constant expression: %2</source>
        <comment>Error code is "CONSTINIT"</comment>
        <translation>%1Pas une expression constante : %2</translation>
    </message>
    <message>
        <source>%1Bad array size %2</source>
        <comment>Error code is "ERTAILTAB"</comment>
        <translation>%1Taille de tableau incorrecte %2</translation>
    </message>
    <message>
        <source>%1Several FORMAT instructions for variable %2</source>
        <comment>Error code is "FORMREDEF"</comment>
        <translation>%1Plusieurs instructions FORMAT pour la variable %2</translation>
    </message>
    <message>
        <source>%1Unknown ident %2</source>
        <comment>Error code is "IDENTINCO"</comment>
        <translation>%1Identificateur inconnu %2</translation>
    </message>
    <message>
        <source>%1Invalid list %2</source>
        <comment>Error code is "LISTEINVA"</comment>
        <translation>%1Liste invalide %2</translation>
    </message>
</context>
<context>
    <name>Errors (bibli)</name>
    <message>
        <source>%1Unknown base %2</source>
        <comment>Error code is "BASEINCON"</comment>
        <translation>%1Base inconnue %2</translation>
    </message>
    <message>
        <source>%1Unknown field %2</source>
        <comment>Error code is "CHAMPINCO"</comment>
        <translation>%1Champ inconnu %2</translation>
    </message>
    <message>
        <source>%1Invalid character %2</source>
        <comment>Error code is "CHARINVAL"</comment>
        <translation>%1Caractère invalide %2</translation>
    </message>
    <message>
        <source>%1Division by zero</source>
        <comment>Error code is "DIVBYZERO"</comment>
        <translation>%1Division par zéro</translation>
    </message>
    <message>
        <source>%1Unbalanced parentheses %2</source>
        <comment>Error code is "ERRPARENT"</comment>
        <translation>%1Parenthèses non équilibrées %2</translation>
    </message>
    <message>
        <source>%1Line too long %2</source>
        <comment>Error code is "LINETOLON"</comment>
        <translation>%1Ligne trop longue %2</translation>
    </message>
    <message>
        <source>%1Bad variable name %2</source>
        <comment>Error code is "NOMVARINC"</comment>
        <translation>%1Nom de variable incorrect %2</translation>
    </message>
    <message>
        <source>%1Integer overflow %2</source>
        <comment>Error code is "OVERFLOW"</comment>
        <translation>%1Dépassement de capacité d'entier %2</translation>
    </message>
    <message>
        <source>%1Syntax error %2</source>
        <comment>Error code is "SYNTAXERO"</comment>
        <translation>%1Erreur de syntaxe %2</translation>
    </message>
    <message>
        <source>%1The integer size %2 is not a multiple of 8</source>
        <comment>Error code is "TAILLEDIV"</comment>
        <translation>%1La taille d'entier %2 n'est pas un multiple de 8</translation>
    </message>
    <message>
        <source>%1Bad format of integer size: %2</source>
        <comment>Error code is "TAILLEERR"</comment>
        <translation>%1Format de taille d'entier incorrect : %2</translation>
    </message>
    <message>
        <source>%1Unknown type %2</source>
        <comment>Error code is "TYPEINCON"</comment>
        <translation>%1Type inconnu %2</translation>
    </message>
</context>
<context>
    <name>Informations (bibli)</name>
    <message>
        <source>%1Bad expression: %2</source>
        <comment>Error code is "EXPERRONE"</comment>
        <translation>%1Expression incorrecte : %2</translation>
    </message>
    <message>
        <source>%1Error in line: %2</source>
        <comment>Error code is "LIGNERRON"</comment>
        <translation>%1Erreur à la ligne : %2</translation>
    </message>
</context>
<context>
    <name>Fatal Error (cstsyst)</name>
    <message>
        <source>FATAL ERROR on '%1',
 Please contact your administrative.</source>
        <comment>'%1' is a function name</comment>
        <translation>ERREUR FATALE sur '%1',
 Veuillez contacter votre administrateur.</translation>
    </message>
</context>
<context>
    <name>Error Parameter</name>
    <message>
        <source>memory overflow</source>
        <comment>Used as a parameter for 'ERRINTFCT' error message</comment>
        <translation>dépassement de mémoire</translation>
    </message>
</context>
</TS>
